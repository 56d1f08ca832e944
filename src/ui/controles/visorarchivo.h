#pragma once

#include <QByteArray>
#include <QList>
#include <QPlainTextEdit>

// The view of a file's text exactly as stored, decoded from Windows-1252. It wraps only at word boundaries:
// a line without any (a 1 MB text of one word) stays one line instead of taking minutes to break.
class VisorArchivo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit VisorArchivo(QWidget *padre);

    // Shows a file's whole content, given in consecutive pieces as it was just written or read, and puts the
    // view back at its top as loading a file does. Only the lines that differ from those on view are laid out
    // again: after a one-line edit of a maximal base that is one line, not 19.6 MB.
    void MostrarBytes(const QList<QByteArray> &partes);

private:
    // The bytes on view, shared with whoever wrote or read them.
    QList<QByteArray> mostrados;
};
