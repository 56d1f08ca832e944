#include "apoyo/pruebademodelo.h"
#include "texto/cp1252.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

class TestAleatorio : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    // Answers, learning with random texts, browsing, edits, new, open and save with random answers, over files the
    // program wrote and broken ones; after every operation the base must still be one that can be used and saved.
    void thousandsOfRandomOperationsKeepTheBaseSound()
    {
        QRandomGenerator azar(1252);
        QStringList archivos = {Ruta("a.tvo"), Ruta("b.tvo"), Ruta("falta/c.tvo")};
        const QDir hostiles(QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles"));
        for (const QString &nombre : hostiles.entryList(QDir::Files)) {
            QVERIFY(QFile::copy(hostiles.filePath(nombre), Ruta(nombre)));
            archivos << Ruta(nombre);
        }
        // A user who answers every question and dialog at random, Retry only now and then, as a user gives up.
        using R = Plataforma::Respuesta;
        guion->responder = [&azar](Plataforma::Botones botones) {
            const QList<QList<R>> respuestas = {
                {R::Aceptar}, {R::Si, R::No}, {R::Si, R::No, R::Cancelar}, {R::Omitir, R::Omitir, R::Reintentar}};
            const QList<R> &posibles = respuestas[int(botones)];
            return posibles[azar.bounded(posibles.size())];
        };
        // Saved only to the files the program writes: the broken ones stay broken for the whole run.
        guion->elegir = [&](Plataforma::Dialogo dialogo) {
            const qsizetype opciones = dialogo == Plataforma::Dialogo::Abrir ? archivos.size() : 3;
            const qsizetype i = azar.bounded(opciones + 1);
            return i == opciones ? std::nullopt : std::optional<QString>(archivos[i]);
        };
        const QString letras = QStringLiteral("ab ñ¿?\"“\r\n\u00A0€\x03中");
        // The commands and the browser's arrows, Si and No twice as often; then typing, editing, leaving a box and
        // typing a line number.
        const QStringList ordenes = {"jugar",     "si",     "si",    "no",    "no",      "parar",
                                     "guardar",   "como",   "abrir", "nuevo", "primera", "anterior",
                                     "siguiente", "ultima", "",      "",      "",        ""};
        for (int i = 0; i < 20000; ++i) {
            const Caja caja = Caja(azar.bounded(5));
            const Fase fase = ElJuego().FaseActual();
            const bool navegable = ControlesDe(fase).navegador;
            const bool modificado = modelo->Doc().Modificado();
            const int antes = ElJuego().LineaActual();
            const bool cabecera = caja == Caja::TipoObjeto || caja == Caja::Carac;
            // The header boxes belong to the document; the question box holds a line's text out of play and while
            // a full base holds its guess, the new question while learning, and the program's question during a game.
            const QString &almacen = caja == Caja::TipoObjeto ? Base().TipoObjeto
                                     : caja == Caja::Carac    ? Base().Caracteristicas
                                                              : Base().TextoLinea[antes];
            const QString almacenado = almacen;
            const bool guarda =
                cabecera || (caja == Caja::Pregunta && (fase == Fase::FueraDeJuego || fase == Fase::BaseLlena) &&
                             Base().Existe(antes));
            const int operacion = azar.bounded(ordenes.size());
            QString texto;
            for (int n = azar.bounded(12); n > 0; --n)
                texto += letras[azar.bounded(letras.size())];
            int codigo = texto.isEmpty() ? 'a' : texto[0].unicode();
            const int tecleado = codigo;
            if (!ordenes[operacion].isEmpty())
                Pasos(ordenes[operacion]);
            else if (operacion == ordenes.size() - 4) {
                // Every typed character counts, Ctrl+C too, but only where typing edits the document; a double
                // quote becomes an apostrophe.
                Cajas().Tecla(caja, codigo);
                QCOMPARE(codigo, tecleado == '"' ? int('\'') : tecleado);
                QCOMPARE(modelo->Doc().Modificado(),
                         modificado || cabecera || (caja == Caja::Pregunta && fase == Fase::FueraDeJuego));
                Cajas().TextoEditado(caja, Cajas().Texto(caja) + QChar(codigo));
            } else if (operacion == ordenes.size() - 3)
                Cajas().TextoEditado(caja, azar.bounded(50) ? texto : QString(32800, QLatin1Char('x')));
            else if (operacion == ordenes.size() - 2) {
                // Leaving stores the text where the box holds one of the document's; storing a text other than
                // the one stored changes the document, however it was edited.
                const bool salio = Cajas().Salir(caja);
                QCOMPARE(almacen, salio && guarda ? Cajas().Texto(caja) : almacenado);
                QCOMPARE(modelo->Doc().Modificado(), modificado || almacen != almacenado);
            } else
                Pasos(QStringLiteral("reg=%1").arg(azar.bounded(-5, 605)));
            const BaseConocimiento &base = Base();
            QVERIFY(BaseConocimiento::LineaUsable(ElJuego().LineaActual()) &&
                    base.NumLineas <= BaseConocimiento::MaxLineas && !guion->terminado);
            // The arrows move out of play only, and stop at the ends of the lines in use.
            const int flecha = QStringList{"primera", "anterior", "siguiente", "ultima"}.indexOf(ordenes[operacion]);
            const int destino = QList<int>{1, antes - 1, antes + 1, base.NumLineas}.value(flecha);
            QVERIFY(flecha < 0 || ElJuego().LineaActual() == (navegable && base.Existe(destino) ? destino : antes));
            // A new document grows by two lines a step.
            QVERIFY(modelo->Doc().RutaArch() != Ruta("Nuevo.tvo") || base.NumLineas % 2 == 1);
            // Every text is kept as a file holds it: no double quote, nothing outside Windows-1252.
            QStringList textos(base.TextoLinea.cbegin(), base.TextoLinea.cend());
            for (const QString &guardado : textos << base.TipoObjeto << base.Caracteristicas)
                QVERIFY(!guardado.contains(QLatin1Char('"')) && CaracteresFueraDeCp1252(guardado).isEmpty());
            // The recovery copy, while there is one, holds the base as it stands, in the records that the next save
            // will write; an unchanged document has none.
            const QString copia = recuperacion->Archivo();
            QVERIFY(copia.isEmpty() || (modelo->Doc().Modificado() && LeerBytes(copia).endsWith(ArchivoDe(base))));
        }
    }
};

QTEST_MAIN(TestAleatorio)
#include "tst_aleatorio.moc"
