#include "apoyo/pruebademodelo.h"

using Respuesta = Plataforma::Respuesta;

class TestJuego : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void aGameWalksTheTreeWithTheColoursOfEachStep_data()
    {
        Columnas<QString, QString>("respuestas", "estado");
        const std::pair<const char *, const char *> filas[] = {
            {"", "jugando 1 2 3 | P O P | línea 1"},           {";no", "jugando 3 6 7 | P O P | línea 3"},
            {";no;si", "jugando 6 0 0 | P O A | línea 6"},     {";no;si;si", "fuera 6 0 0 | P O V | línea 6"},
            {";no;si;parar", "fuera 6 0 0 | P O A | línea 6"}, {";no;si;si;si", "fuera 6 0 0 | P O V | línea 6"},
            {";no;si;no", "aprendiendo 6 0 0 | O P P | "}};
        for (const auto &[respuestas, estado] : filas)
            QTest::addRow("jugar%s", respuestas) << QString::fromUtf8(respuestas) << QString::fromUtf8(estado);
    }

    void aGameWalksTheTreeWithTheColoursOfEachStep()
    {
        auto [respuestas, estado] = Celdas<QString, QString>("respuestas", "estado");
        Abrir(BaseCompleta(7));
        Pasos("o2=se vacía;o1=lo que pienso;jugar" + respuestas);
        QCOMPARE(Estado(), estado);
        const bool aprende = respuestas.endsWith("si;no");
        QCOMPARE(Cajas().Texto(Caja::Objeto1) + '|' + Cajas().Texto(Caja::Objeto2),
                 QStringLiteral("lo que pienso|") + (aprende ? QStringLiteral("línea 6") : QString()));
        QCOMPARE(modelo->Doc().Modificado(), aprende);
    }

    // Alt+← takes back the last answer: the line before is shown as it was asked, and Si or No go on from there as in
    // a fresh game. Where there is nothing to take back, a beep. The base and Modificado never change.
    void goingBackTakesBackTheLastAnswer_data()
    {
        Columnas<int, QString, QString, QList<int>, QString>("lineas", "pasos", "estado", "camino", "trasSi");
        QTest::newRow("from a question") << 7 << "jugar;no;volver"
                                         << "jugando 1 2 3 | P O P | línea 1" << QList<int>{1}
                                         << "jugando 2 4 5 | P O P | línea 2";
        QTest::newRow("from a guess") << 7 << "jugar;no;si;volver"
                                      << "jugando 3 6 7 | P O P | línea 3" << QList<int>{1, 3}
                                      << "jugando 6 0 0 | P O A | línea 6";
        QTest::newRow("from the lesson after a wrong guess")
            << 7 << "o2=x;jugar;no;si;pr=línea seis;no;o2=y;pr=¿Q?;volver"
            << "jugando 6 0 0 | P O A | línea seis" << QList<int>{1, 3, 6} << "fuera 6 0 0 | P O V | línea seis";
        QTest::newRow("twice from the lesson")
            << 7 << "jugar;no;si;no;volver;volver"
            << "jugando 3 6 7 | P O P | línea 3" << QList<int>{1, 3} << "jugando 6 0 0 | P O A | línea 6";
        QTest::newRow("from a full base's held guess")
            << 599 << "jugar;si;si;si;si;si;si;si;si;si;r:aceptar;no;volver"
            << "jugando 256 512 513 | P O P | línea 256" << QList<int>{1, 2, 4, 8, 16, 32, 64, 128, 256}
            << "jugando 512 0 0 | P O A | línea 512";
        // A beep, and nothing else.
        QTest::newRow("at line 1") << 7 << "jugar;volver"
                                   << "jugando 1 2 3 | P O P | línea 1" << QList<int>{1} << "";
        QTest::newRow("out of play") << 7 << "volver"
                                     << "fuera 1 2 3 | P O P | línea 1" << QList<int>{} << "";
        QTest::newRow("after a confirmed guess") << 7 << "jugar;no;si;si;volver"
                                                 << "fuera 6 0 0 | P O V | línea 6" << QList<int>{1, 3, 6} << "";
        QTest::newRow("in a new document's first lesson") << 0 << "volver"
                                                          << "aprendiendo 1 0 0 | O P P | Pregunta usuario - Escriba "
                                                             "aquí la pregunta. Luego conteste pulsando en Si o No"
                                                          << QList<int>{} << "";
    }

    void goingBackTakesBackTheLastAnswer()
    {
        auto [lineas, pasos, estado, camino, trasSi] =
            Celdas<int, QString, QString, QList<int>, QString>("lineas", "pasos", "estado", "camino", "trasSi");
        if (lineas > 0)
            Abrir(BaseCompleta(lineas));
        const qsizetype corte = pasos.indexOf(QLatin1String("volver"));
        Pasos(pasos.left(corte));
        const auto antes = std::tuple(ArchivoDe(Base()), modelo->Doc().Modificado(), Cajas().Texto(Caja::Objeto1));
        Pasos(pasos.mid(corte));
        QCOMPARE(Estado(), estado);
        QCOMPARE(ElJuego().Camino(), camino);
        QCOMPARE(std::tuple(ArchivoDe(Base()), modelo->Doc().Modificado(), Cajas().Texto(Caja::Objeto1)), antes);
        QCOMPARE(guion->pitidos, trasSi.isEmpty() ? 1 : 0);
        if (!trasSi.isEmpty()) {
            // Objeto 2 holds what it held when the guess was shown.
            QCOMPARE(Cajas().Texto(Caja::Objeto2), QString());
            Pasos("si");
            QCOMPARE(Estado(), trasSi);
        }
    }

    void aWrongGuessLearnsAndTheParentKeepsItsLink()
    {
        Abrir(BaseDeEjemplo());
        // A change typed into the guess travels with it.
        Pasos("o1=gato;jugar;si;pr=Objeto uno;no;pr=¿Maúlla?;no");
        QStringList lineas;
        for (int k = 1; k <= 5; ++k)
            lineas << QStringLiteral("%1 %2 ").arg(Base().ValorSi[k]).arg(Base().ValorNo[k]) + Base().TextoLinea[k];
        QCOMPARE(lineas.join(" / "),
                 QStringLiteral("2 3 Pregunta / 5 4 ¿Maúlla? / 0 0 Objeto2 / 0 0 Objeto uno / 0 0 gato"));
        QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene  3 objetos"));
        // The row still shows the line as the game reached it.
        QCOMPARE(Estado(), QStringLiteral("fuera 2 0 0 | O P P | ¿Maúlla?"));
    }

    void aFullBaseHoldsTheGuessUntilSi_data()
    {
        Columnas<QString, QString>("idioma", "numero");
        QTest::newRow("comma") << QStringLiteral("es_ES") << QStringLiteral("299,5");
        QTest::newRow("point") << QStringLiteral("en_US") << QStringLiteral("299.5");
    }

    void aFullBaseHoldsTheGuessUntilSi()
    {
        auto [idioma, numero] = Celdas<QString, QString>("idioma", "numero");
        QLocale::setDefault(QLocale(idioma));
        // 597 lines allow one more step; it makes 599 lines and 300 objects.
        Abrir(BaseCompleta(597));
        Pasos("jugar;" + QString("si;").repeated(9) + "no;si");
        QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene  300 objetos"));
        Pasos("f:llena.tvo;como;r:aceptar;r:aceptar;jugar;" + QString("si;").repeated(10) + "no");
        QCOMPARE(Estado(), QStringLiteral("llena 598 0 0 | P O P | línea 512"));
        // The question box edits the guessed line, though typing alone does not change the document.
        int tecla = 'x';
        Cajas().Tecla(Caja::Pregunta, tecla);
        QVERIFY(!modelo->Doc().Modificado());
        Pasos("pr=línea 512 corregida;<pr");
        QCOMPARE(std::tuple(Base().TextoLinea[598], modelo->Doc().Modificado()),
                 std::tuple(QStringLiteral("línea 512 corregida"), true));
        modelo->Responder(false);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(guion->mostrados.mid(1),
                 QStringList(2, QStringLiteral("Límite de memoria: Ya hay más de %1 objetos [A!]").arg(numero)));
        modelo->Responder(true);
        QCOMPARE(Estado(), QStringLiteral("fuera 598 0 0 | P O V | línea 512 corregida"));
        QCOMPARE(Base().NumLineas, qint16(599));
    }

    void whatAFileBringsNeverIndexesOutsideTheLines_data()
    {
        Columnas<QByteArray, QString, QString, QString>("lineas", "respuestas", "mensaje", "estado");
        const auto fila = [](const char *nombre, const char *lineas, const char *respuestas, const char *mensaje,
                             const char *estado) {
            QTest::newRow(nombre) << QByteArray(lineas) << respuestas << QString::fromUtf8(mensaje)
                                  << QString::fromUtf8(estado);
        };
        const char *const enlace =
            "Enlace incorrecto: La línea 1 lleva a la línea %1, que no existe. El juego termina aquí.";
        fila("a link of 0 on one side", "3\",1,0,3", "si", enlace, "fuera 1 0 3 | P O P | q");
        fila("a link to 600", "3\",1,600,3", "si", enlace, "fuera 1 600 3 | P O P | q");
        fila("a negative link", "3\",1,-1,3", "si", enlace, "fuera 1 -1 3 | P O P | q");
        fila("a link above the count: an empty guess", "3\",1,599,3", "si", "", "jugando 599 0 0 | P O A | ");
        fila("learning with an even count would need line 600", "598\",1,2,3", "si;no",
             "No se puede aprender: El archivo tiene 598 líneas: no caben dos líneas más sin pasar de 599.",
             "jugando 2 0 0 | P O A | a");
        fila("learning without lines", "0\",1,2,3", "no",
             "No se puede aprender: El archivo dice tener 0 líneas: no hay dónde guardar un objeto nuevo.",
             "jugando 1 0 0 | P O P | ");
        fila("learning at a guess above the count", "3\",1,9,3", "si;no",
             "No se puede aprender: La línea 9 está fuera del archivo, que tiene 3 líneas: no se puede aprender en "
             "ella.",
             "jugando 9 0 0 | P O A | ");
        fila("an empty line 1 is a guess: Si", "1\",1,0,0", "si", "", "fuera 1 0 0 | P O V | q");
        fila("an empty line 1 is a guess: No", "1\",1,0,0", "no", "", "aprendiendo 1 0 0 | O P P | ");
    }

    void whatAFileBringsNeverIndexesOutsideTheLines()
    {
        auto [lineas, respuestas, mensaje, estado] =
            Celdas<QByteArray, QString, QString, QString>("lineas", "respuestas", "mensaje", "estado");
        AbrirBytes("0,0,0,\"\"\r\n0,0,0,\"\"\r\n0,0,0,\"" + lineas + ",\"q\"\r\n2,0,0,\"a\"\r\n3,0,0,\"b\"\r\n");
        const BaseConocimiento antes = Base();
        Pasos((mensaje.isEmpty() ? "jugar;" : "r:aceptar;jugar;") + respuestas);
        mensaje = mensaje.arg(QString::fromLatin1(lineas).section(',', 2, 2));
        QCOMPARE(guion->mostrados, mensaje.isEmpty() ? QStringList() : QStringList{mensaje + QStringLiteral(" [A!]")});
        QCOMPARE(Estado(), estado);
        QCOMPARE(std::tuple(Base().TextoLinea, Base().NumLineas), std::tuple(antes.TextoLinea, antes.NumLineas));
    }

    void aQuoteIsReportedOnceAndNothingIsStored()
    {
        Abrir(BaseCompleta(7));
        Cajas().TextoEditado(Caja::Carac, QStringLiteral("pegado \"con\" \"dos\" comillas"));
        guion->ResponderMensaje(Respuesta::Aceptar);
        QVERIFY(!Cajas().Salir(Caja::Carac));
        QCOMPARE(guion->mostrados,
                 QStringList{"Comillas encontradas: Quite las comillas del texto Características [Ax]"});
        QCOMPARE(Base().Caracteristicas + Cajas().Texto(Caja::Carac),
                 QStringLiteral("Características del archivopegado \"con\" \"dos\" comillas"));
        QVERIFY(!modelo->Doc().Modificado());
    }

    void charactersAFileCannotHoldBecomeQuestionMarks_data()
    {
        Columnas<Caja, QString, QString, QString>("caja", "texto", "guardado", "nombrados");
        const auto fila = [](const char *nombre, Caja caja, const char *texto, const char *guardado, const char *n) {
            QTest::newRow(nombre) << caja << QString::fromUtf8(texto) << QString::fromUtf8(guardado)
                                  << QString::fromUtf8(n);
        };
        fila("the line shown", Caja::Pregunta, "¿Es de 中国?", "¿Es de \x3f\x3f?",
             "Pregunta tiene caracteres que un archivo tvo no puede guardar: 中 国");
        // An emoji is one character; one named once however often it stands.
        fila("a header, emoji", Caja::TipoObjeto, "gato 😀😀", "gato \x3f\x3f",
             "Tipo de objeto tiene caracteres que un archivo tvo no puede guardar: 😀");
        fila("what the code page has stays", Caja::Carac, "“€” ñ ?", "“€” ñ ?", "");
    }

    void charactersAFileCannotHoldBecomeQuestionMarks()
    {
        auto [caja, texto, guardado, nombrados] =
            Celdas<Caja, QString, QString, QString>("caja", "texto", "guardado", "nombrados");
        Abrir(BaseCompleta(7));
        Cajas().TextoEditado(caja, texto);
        if (!nombrados.isEmpty())
            guion->ResponderMensaje(Respuesta::Aceptar);
        QVERIFY(Cajas().Salir(caja));
        QCOMPARE(Cajas().Texto(caja), guardado);
        QCOMPARE((QStringList{Base().TextoLinea[1], Base().TipoObjeto, Base().Caracteristicas}).indexOf(guardado),
                 int(caja) - 2);
        QCOMPARE(guion->mostrados.join(QString()), nombrados.isEmpty()
                                                       ? QString()
                                                       : "Caracteres no admitidos: El texto " + nombrados +
                                                             ". Cada uno se cambia por el signo «?». [A!]");
    }

    void leavingCutsTheTextTo32766Characters_data()
    {
        Columnas<QString, QString>("texto", "guardado");
        const QString largo(32766, QLatin1Char('a'));
        const QString casi = largo.left(32765);
        QTest::newRow("40000 characters") << largo + QString(7234, QLatin1Char('b')) << largo;
        QTest::newRow("exactly 32766") << largo << largo;
        QTest::newRow("a quote at 32767 is cut away") << largo + QStringLiteral("\"") << largo;
        QTest::newRow("a quote at 32766 is found") << casi + QStringLiteral("\"") << QString();
        // A line break counts two characters; one cut in half goes as a whole.
        QTest::newRow("a line break across the limit") << casi + QStringLiteral("\r\nx") << casi;
        QTest::newRow("a lone CR at the limit stays") << casi + QStringLiteral("\rx") << casi + QStringLiteral("\r");
    }

    void leavingCutsTheTextTo32766Characters()
    {
        auto [texto, guardado] = Celdas<QString, QString>("texto", "guardado");
        Abrir(BaseCompleta(7));
        Cajas().TextoEditado(Caja::TipoObjeto, texto);
        if (guardado.isEmpty())
            guion->ResponderMensaje(Respuesta::Aceptar);
        QCOMPARE(Cajas().Salir(Caja::TipoObjeto), !guardado.isEmpty());
        QCOMPARE(Cajas().Texto(Caja::TipoObjeto), guardado.isEmpty() ? texto : guardado);
        QCOMPARE(Base().TipoObjeto, guardado.isEmpty() ? QStringLiteral("Objeto (tipo de objeto)") : guardado);
    }

    void theBrowserReadsTheNumberAtTheStartOfTheBox()
    {
        Abrir(BaseCompleta(7));
        const std::pair<const char *, int> numeros[] = {{"5", 5},   {"007", 7}, {"2.9", 2},   {" 4", 4},    {"4x", 4},
                                                        {"8", 3},   {"0", 3},   {"-2", 3},    {"-0.5", 3},  {"", 3},
                                                        {"abc", 3}, {"   ", 3}, {"70000", 3}, {"1e999", 3}, {"6e1", 3}};
        for (const auto &[texto, linea] : numeros) {
            Pasos(QStringLiteral("reg=3;pr=sin guardar;reg=") + QLatin1String(texto));
            // A line shown comes from the base, colours and all unchanged; a rejected number only goes back.
            const QString mostrado = linea == 3 ? QStringLiteral("sin guardar") : Base().TextoLinea[linea];
            QCOMPARE(Estado(), QStringLiteral("fuera %1 %2 %3 | P O P | %4")
                                   .arg(linea)
                                   .arg(Base().ValorSi[linea])
                                   .arg(Base().ValorNo[linea])
                                   .arg(mostrado));
        }
        // Enter validates, as leaving the box does; other keys do not.
        Cajas().RegistroEditado(QStringLiteral("6"));
        Cajas().TeclaRegistro('6');
        QCOMPARE(ElJuego().LineaActual(), qint16(3));
        Cajas().TeclaRegistro(13);
        QCOMPARE(ElJuego().LineaActual(), qint16(6));
        QVERIFY(!modelo->Doc().Modificado());
    }
};

QTEST_MAIN(TestJuego)
#include "tst_juego.moc"
