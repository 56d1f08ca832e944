#include "botongrafico.h"

#include <QStyleOptionButton>
#include <QStylePainter>

BotonGrafico::BotonGrafico(const QIcon &dibujo, QSize tamanoDibujo, QWidget *padre) : QPushButton(padre)
{
    setIcon(dibujo);
    setIconSize(tamanoDibujo);
}

void BotonGrafico::paintEvent(QPaintEvent *)
{
    QStylePainter pintor(this);
    QStyleOptionButton opcion;
    initStyleOption(&opcion);
    pintor.drawControl(QStyle::CE_PushButtonBevel, opcion);

    QRect contenido = style()->subElementRect(QStyle::SE_PushButtonContents, &opcion, this);
    if (isDown())
        contenido.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &opcion, this),
                            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &opcion, this));
    const int separacion = 2;
    const int altoTexto = fontMetrics().height();
    const int arriba = contenido.top() + (contenido.height() - iconSize().height() - separacion - altoTexto) / 2;

    const QIcon::Mode modo = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QRect zonaDibujo(contenido.left() + (contenido.width() - iconSize().width()) / 2, arriba, iconSize().width(),
                           iconSize().height());
    icon().paint(&pintor, zonaDibujo, Qt::AlignCenter, modo);

    const QRect zonaTexto(contenido.left(), zonaDibujo.bottom() + 1 + separacion, contenido.width(), altoTexto);
    pintor.drawItemText(zonaTexto, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, palette(), isEnabled(),
                        text(), QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect foco;
        foco.initFrom(this);
        foco.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &opcion, this);
        pintor.drawPrimitive(QStyle::PE_FrameFocusRect, foco);
    }
}
