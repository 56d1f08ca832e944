#pragma once

#include <QPlainTextEdit>

// A multi-line text box with a vertical scroll bar that wraps at word boundaries. Its text is exchanged with
// the knowledge base with CR LF line breaks, so that a line break counts as two characters.
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
    bool enLostFocus = false;
    bool salioConRaton = false;
};
