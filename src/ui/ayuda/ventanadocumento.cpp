#include "ventanadocumento.h"

#include "lectorrtf.h"
#include "ui/controles/apariencia.h"

#include <QFile>
#include <QTextEdit>

namespace {
constexpr int MargenAncho = 125;
constexpr int MargenAlto = 540;
} // namespace

std::optional<int> MedidaCaja(int exteriorTwips, int margenTwips)
{
    // Single precision, as the sizes of the layout are computed.
    const float medida = static_cast<float>(exteriorTwips) - static_cast<float>(margenTwips);
    if (medida < 0)
        return std::nullopt;
    return static_cast<int>(medida);
}

VentanaDocumento::VentanaDocumento(const QString &titulo, QSize clienteTwips, QSize cajaTwips, const QString &documento)
{
    setWindowTitle(titulo);
    setWindowIcon(QIcon(QStringLiteral(":/recursos/eltarvo-32.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(clienteTwips / TwipsPorPixel);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setGeometry(RectanguloTwips(0, 120, cajaTwips.width(), cajaTwips.height()));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RichTextBox1->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    QFile archivo(documento);
    if (archivo.open(QIODevice::ReadOnly))
        LeerRtf(archivo.readAll(), *RichTextBox1->document());
    // Every new window shows its document from the start.
    RichTextBox1->moveCursor(QTextCursor::Start);
}

void VentanaDocumento::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    Form_Resize();
}

void VentanaDocumento::Form_Resize()
{
    const QSize exterior = frameGeometry().size() * TwipsPorPixel;
    if (const auto alto = MedidaCaja(exterior.height(), MargenAlto))
        RichTextBox1->resize(RichTextBox1->width(), *alto / TwipsPorPixel);
    if (const auto ancho = MedidaCaja(exterior.width(), MargenAncho))
        RichTextBox1->resize(*ancho / TwipsPorPixel, RichTextBox1->height());
}

frmAyuda::frmAyuda()
    : VentanaDocumento(QStringLiteral("Ayuda de 'El Tarvo'"), QSize(3270, 4800), QSize(3255, 4695),
                       QStringLiteral(":/ayuda/ayuda.rtf"))
{
    setObjectName(QStringLiteral("frmAyuda"));
}

frmVocab::frmVocab()
    : VentanaDocumento(QStringLiteral("Vocabulario ElTarvo"), QSize(3990, 4830), QSize(3975, 4695),
                       QStringLiteral(":/ayuda/vocab.rtf"))
{
    setObjectName(QStringLiteral("frmVocab"));
}
