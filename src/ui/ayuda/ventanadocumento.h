#pragma once

#include <QWidget>

#include <optional>

class QTextEdit;

// A size of the document box: the window's outer size in twips less a margin. Nothing when that would be
// negative (a minimised or very small window), so that the box keeps its last size in that dimension.
std::optional<int> MedidaCaja(int exteriorTwips, int margenTwips);

// A resizable window that shows one of the program's fixed documents, read from RTF, in a read-only box that
// fills it. Neither it nor its document knows anything of the knowledge base.
class VentanaDocumento : public QWidget
{
    Q_OBJECT
public:
    // The client size and the box's first size are in twips.
    VentanaDocumento(const QString &titulo, QSize clienteTwips, QSize cajaTwips, const QString &documento);

    QTextEdit *RichTextBox1;

    // Keeps the box at the window's outer size less 125 twips wide and 540 twips high.
    void Form_Resize();

protected:
    void resizeEvent(QResizeEvent *evento) override;
};

class frmAyuda : public VentanaDocumento
{
    Q_OBJECT
public:
    frmAyuda();
};

class frmVocab : public VentanaDocumento
{
    Q_OBJECT
public:
    frmVocab();
};
