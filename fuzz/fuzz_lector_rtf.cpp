// The reader of the help documents' RTF subset: any input gives a document, without crashing.
#include "ui/ayuda/lectorrtf.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication aplicacion(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    QTextDocument documento;
    LeerRtf(QByteArray(reinterpret_cast<const char *>(datos), static_cast<qsizetype>(tamano)), documento);
    // Every block the reader made is a well-formed part of the document.
    qsizetype caracteres = 0;
    for (QTextBlock bloque = documento.begin(); bloque.isValid(); bloque = bloque.next())
        caracteres += bloque.length();
    if (caracteres != documento.characterCount())
        std::abort();
    return 0;
}
