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
};
