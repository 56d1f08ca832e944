#pragma once

#include <QPlainTextEdit>

// A multi-line text box with a vertical scroll bar that wraps at word boundaries. It gives back exactly the
// text it was given, changed only by what the user typed or pasted: every character as it is (a no-break space
// stays one), each line break that came with the text as it came (CR LF, a lone CR or a lone LF), and a line
// break the user typed as CR LF, so that it counts as two characters.
class CajaTexto : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CajaTexto(QWidget *padre);

    QString Texto() const;
    void PonerTexto(const QString &texto);
    // Whether the last time the box lost the focus it was to a mouse click.
    bool SalioConRaton() const { return salioConRaton; }

signals:
    // Every typed character before the box inserts it, also those an input method commits (dead keys for
    // á or ñ); the handler may replace the code, and the box inserts the character it leaves there.
    void KeyPress(int &codigo);
    // The focus moved to another control of the window; never raised again while a handler of it runs.
    void LostFocus();

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void inputMethodEvent(QInputMethodEvent *evento) override;
    void focusOutEvent(QFocusEvent *evento) override;

private:
    void SeguirCambio();

    // The text as given, and whether the user changed it since.
    QString dado;
    bool editado = false;
    bool poniendoTexto = false;
    // The document's characters as of the last change, each line break one paragraph separator, and the line
    // break that each separator stands for, in order.
    QString crudo;
    QStringList saltos;
    bool enLostFocus = false;
    bool salioConRaton = false;
};
