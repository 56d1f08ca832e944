#include "apariencia.h"

#include <QLabel>
#include <QWidget>

QColor ColorBGR(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

namespace {

// What a background colour tells the user, for those who do not see it.
QString SignificadoDeColor(quint32 bgr)
{
    const std::pair<quint32, const char *> significados[] = {
        {Color::AmarilloClaro, "pregunta"}, {Color::RojoClaro, "objeto adivinado"}, {Color::VerdeClaro, "acertado"}};
    for (const auto &[color, significado] : significados)
        if (color == bgr)
            return QString::fromUtf8(significado);
    return QString();
}

} // namespace

void PonerFondo(QWidget *control, quint32 bgr)
{
    control->setAccessibleDescription(SignificadoDeColor(bgr));
    // A label paints its window colour, and only when asked to; a text box paints its base.
    const bool esEtiqueta = qobject_cast<QLabel *>(control) != nullptr;
    QPalette paleta = control->palette();
    paleta.setColor(esEtiqueta ? QPalette::Window : QPalette::Base, ColorBGR(bgr));
    // Every background of the program's is light: its text is black whatever the desktop's theme, as on a
    // classic light desktop, and a disabled control's dimmed text stays dark enough to read.
    const auto texto = esEtiqueta ? QPalette::WindowText : QPalette::Text;
    paleta.setColor(QPalette::Active, texto, ColorBGR(Color::Negro));
    paleta.setColor(QPalette::Inactive, texto, ColorBGR(Color::Negro));
    paleta.setColor(QPalette::Disabled, texto, ColorBGR(Color::TextoAtenuado));
    control->setPalette(paleta);
    control->setAutoFillBackground(esEtiqueta);
}

QRect RectanguloTwips(int izquierda, int arriba, int ancho, int alto)
{
    return QRect(izquierda / TwipsPorPixel, arriba / TwipsPorPixel, ancho / TwipsPorPixel, alto / TwipsPorPixel);
}
