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
};
