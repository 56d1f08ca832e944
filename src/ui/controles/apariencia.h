#pragma once

#include <QColor>
#include <QRect>
#include <QtGlobal>

class QWidget;

// Colours as the program's tables write them, 0xBBGGRR, and TextoAtenuado, the text of a disabled control on a
// light background: dimmed, and still readable.
namespace Color {
enum : quint32 {
    AmarilloClaro = 0xC0FFFF,
    Blanco = 0xFFFFFF,
    RojoClaro = 0xC0C0FF,
    VerdeClaro = 0xC0FFC0,
    MagentaClaro = 0xFFC0FF,
    GrisClaro = 0xE0E0E0,
    AzulClaro = 0xFFC0C0,
    Negro = 0x000000,
    TextoAtenuado = 0x606060,
};
} // namespace Color

QColor ColorBGR(quint32 bgr);

// Background of a text box (its base) or of a label (its window), in every state of the control, with a text
// colour that reads on it. The colour's meaning ("pregunta", "objeto adivinado", "acertado") becomes the control's
// accessible description.
void PonerFondo(QWidget *control, quint32 bgr);

// Lengths of the layout are twips: 15 twips are one logical pixel.
constexpr int TwipsPorPixel = 15;
QRect RectanguloTwips(int izquierda, int arriba, int ancho, int alto);
