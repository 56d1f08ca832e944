#pragma once

#include <QPlainTextEdit>

// The view of a file's text exactly as stored, decoded from Windows-1252. It wraps only at word boundaries:
// a line without any (a 1 MB text of one word) stays one line instead of taking minutes to break.
class VisorArchivo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit VisorArchivo(QWidget *padre);

    // Loads and shows the file at ruta; a file that cannot be read leaves the view empty.
    void MostrarArchivo(const QString &ruta);
    // Shows bytes that are a file's whole content, as just written to it.
    void MostrarBytes(const QByteArray &bytes);

private:
    // What the view shows, so that showing the same bytes again costs no new layout of a large file.
    QByteArray mostrados;
};
