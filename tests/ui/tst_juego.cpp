#include "apoyo/pruebadeventana.h"
#include "apoyo/util.h"
#include "ui/controles/cajatexto.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using Respuesta = Plataforma::Respuesta;

namespace {

constexpr quint32 Amarillo = 0xC0FFFF;
constexpr quint32 Blanco = 0xFFFFFF;
constexpr quint32 Rojo = 0xC0C0FF;
constexpr quint32 Verde = 0xC0FFC0;

// A base whose line 1 asks with links 2 and 3 and whose other lines are objects named after their number.
BaseConocimiento BaseDe(int numLineas)
{
    BaseConocimiento base;
    base.NumLineas = static_cast<qint16>(numLineas);
    base.ValorSi[1] = 2;
    base.ValorNo[1] = 3;
    base.TextoLinea[1] = QStringLiteral("¿Pregunta uno?");
    for (int k = 2; k <= std::min(numLineas, BaseConocimiento::MaxLineas); ++k)
        base.TextoLinea[k] = QStringLiteral("objeto %1").arg(k);
    return base;
}

// The contrast ratio of two colours, as accessibility guidelines measure it: from 1 to 21.
double Contraste(const QColor &a, const QColor &b)
{
    const auto luminancia = [](const QColor &color) {
        const auto lineal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineal(color.redF()) + 0.7152 * lineal(color.greenF()) + 0.0722 * lineal(color.blueF());
    };
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestJuego : public PruebaDeVentana
{
    Q_OBJECT
private slots:

    void firstStepStoresTheQuestionAndBothObjects_data();
    void firstStepStoresTheQuestionAndBothObjects();
    void jugarShowsLine1WithTheColoursOfAGame();
    void gameEndsLightGreenOnARightGuess();
    void wrongGuessLearnsAndTheParentKeepsItsLink();
    void fullBaseShowsTheMessageAndHoldsUntilSi_data();
    void fullBaseShowsTheMessageAndHoldsUntilSi();
    void pararEndsTheGameWhereItStands_data();
    void pararEndsTheGameWhereItStands();
    void emptyLineOneIsAGuess_data();
    void emptyLineOneIsAGuess();
    void linksOutsideTheArraysEndTheGame_data();
    void linksOutsideTheArraysEndTheGame();
    void linkAboveTheCountShowsAnEmptyGuess();
    void refusesLearningWhereTheStepWouldDamageTheBase_data();
    void refusesLearningWhereTheStepWouldDamageTheBase();
    void aPastedQuoteStopsTheLearningStep_data();
    void aPastedQuoteStopsTheLearningStep();
    void teachesFiveObjectsAndPlaysToEachOfThem();
    void everyColouredControlReadsOnADarkDesktop();

private:
    QString Texto(const char *caja) const { return Control<CajaTexto>(caja)->Texto(); }
    QString Fila() const;
    void Jugar(const QString &respuestas);
    void VerificarFueraDeJuego();
};

// The line row as "registro si no".
QString TestJuego::Fila() const
{
    return Control<QLineEdit>("txtRegistro")->text() + ' ' + Control<QLineEdit>("txtValorSi")->text() + ' ' +
           Control<QLineEdit>("txtValorNo")->text();
}

// "Jugar", then one click per letter: S for Si, N for No.
void TestJuego::Jugar(const QString &respuestas)
{
    prueba->Pulsar("cmdJugar");
    for (QChar respuesta : respuestas)
        prueba->Pulsar(respuesta == 'S' ? "cmdSi" : "cmdNo");
}

void TestJuego::VerificarFueraDeJuego()
{
    QCOMPARE(prueba->Habilitados(), QStringLiteral("cmdJugar cmdCrearArchTvo cmdTvoDeDisco cmdGuardar cmdGuardarComo "
                                                   "txtRegistro cmdArrDer cmdArrIzq cmdArrFirst cmdArrLast"));
    QCOMPARE(FondoBGR(Control("txtRegistro")), 0xFFC0FFu);
    QVERIFY(!ventana->ModoAprender);
}

void TestJuego::firstStepStoresTheQuestionAndBothObjects_data()
{
    QTest::addColumn<QString>("boton");
    QTest::addColumn<int>("enlaceSi");
    QTest::addColumn<int>("enlaceNo");
    QTest::newRow("Si") << "cmdSi" << 2 << 3;
    QTest::newRow("No") << "cmdNo" << 3 << 2;
}

void TestJuego::firstStepStoresTheQuestionAndBothObjects()
{
    QFETCH(QString, boton);
    QFETCH(int, enlaceSi);
    QFETCH(int, enlaceNo);
    prueba->Teclear("txtObjeto1", "gato");
    prueba->Teclear("txtObjeto2", "perro");
    prueba->Teclear("txtPreguntaUsr", "Ladra?\nMucho");
    prueba->Pulsar(qPrintable(boton));

    const BaseConocimiento &base = ventana->Base;
    QCOMPARE(base.NumLineas, qint16(3));
    QCOMPARE(int(base.ValorSi[1]), enlaceSi);
    QCOMPARE(int(base.ValorNo[1]), enlaceNo);
    // A line break of a box is CR LF in the knowledge base.
    QCOMPARE(base.TextoLinea[1], QStringLiteral("Ladra?\r\nMucho"));
    QCOMPARE(base.TextoLinea[2], QStringLiteral("perro"));
    QCOMPARE(base.TextoLinea[3], QStringLiteral("gato"));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  2 objetos"));
    VerificarFueraDeJuego();
    QVERIFY(ventana->Modificado);
    // Nothing else moves: the boxes keep texts and colours, the line row its old numbers.
    QCOMPARE(Texto("txtObjeto2"), QStringLiteral("perro"));
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("Ladra?\r\nMucho"));
    QCOMPARE(prueba->Colores(), QStringLiteral("blanco amarillo amarillo"));
    QCOMPARE(Fila(), QStringLiteral("1 0 0"));
    QVERIFY(guion->mensajes.isEmpty());
}

void TestJuego::jugarShowsLine1WithTheColoursOfAGame()
{
    prueba->Cargar(BaseDe(3));
    prueba->Teclear("txtObjeto2", "queda vacio");
    const QString objeto1 = Texto("txtObjeto1");
    prueba->Pulsar("cmdJugar");
    QCOMPARE(Fila(), QStringLiteral("1 2 3"));
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("¿Pregunta uno?"));
    QCOMPARE(Texto("txtObjeto2"), QString());
    QCOMPARE(Texto("txtObjeto1"), objeto1);
    QCOMPARE(prueba->Colores(), QStringLiteral("amarillo blanco amarillo"));
    QCOMPARE(prueba->Habilitados(), QStringLiteral("cmdSi cmdNo cmdParar"));
    QCOMPARE(FondoBGR(Control("txtRegistro")), 0xE0E0E0u);
    QVERIFY(!ventana->ModoAprender);
}

void TestJuego::gameEndsLightGreenOnARightGuess()
{
    prueba->Cargar(BaseDe(3));
    Jugar("S");
    QCOMPARE(ventana->LineaActual, qint16(2));
    QCOMPARE(Fila(), QStringLiteral("2 0 0"));
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("objeto 2"));
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Rojo);
    QCOMPARE(Control("txtPreguntaUsr")->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(Control("cmdParar")->isEnabled());

    prueba->Pulsar("cmdSi");
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Verde);
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("objeto 2"));
    QCOMPARE(ventana->LineaActual, qint16(2));
    VerificarFueraDeJuego();
    QVERIFY(!ventana->Modificado);
    QCOMPARE(FondoBGR(Control("txtObjeto1")), Amarillo);
    QCOMPARE(FondoBGR(Control("txtObjeto2")), Blanco);
}

void TestJuego::wrongGuessLearnsAndTheParentKeepsItsLink()
{
    prueba->Cargar(BaseDe(3));
    Jugar("SN");
    QCOMPARE(Texto("txtObjeto2"), QStringLiteral("objeto 2"));
    QCOMPARE(Texto("txtPreguntaUsr"), QString());
    QCOMPARE(prueba->Colores(), QStringLiteral("blanco amarillo amarillo"));
    QCOMPARE(prueba->Habilitados(), QStringLiteral("cmdSi cmdNo"));
    QVERIFY(ventana->ModoAprender);
    QVERIFY(ventana->Modificado);
    QCOMPARE(Fila(), QStringLiteral("2 0 0"));

    prueba->Teclear("txtObjeto1", "ballena");
    prueba->Teclear("txtPreguntaUsr", "Es grande?");
    prueba->Pulsar("cmdSi");
    const BaseConocimiento &base = ventana->Base;
    QCOMPARE(base.NumLineas, qint16(5));
    QCOMPARE(base.ValorSi[2], qint16(4));
    QCOMPARE(base.ValorNo[2], qint16(5));
    QCOMPARE(base.TextoLinea[2], QStringLiteral("Es grande?"));
    QCOMPARE(base.TextoLinea[4], QStringLiteral("objeto 2"));
    QCOMPARE(base.TextoLinea[5], QStringLiteral("ballena"));
    QCOMPARE(base.ValorSi[1], qint16(2));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  3 objetos"));
    QCOMPARE(Fila(), QStringLiteral("2 0 0"));
    VerificarFueraDeJuego();
}

void TestJuego::fullBaseShowsTheMessageAndHoldsUntilSi_data()
{
    QTest::addColumn<QLocale>("local");
    QTest::addColumn<QString>("numero");
    QTest::newRow("decimal point") << QLocale(QLocale::English, QLocale::UnitedStates) << "299.5";
    QTest::newRow("decimal comma") << QLocale(QLocale::Spanish, QLocale::Spain) << "299,5";
}

void TestJuego::fullBaseShowsTheMessageAndHoldsUntilSi()
{
    QFETCH(QLocale, local);
    QFETCH(QString, numero);
    const QLocale anterior;
    QLocale::setDefault(local);
    // 597 lines still learn once: line 2 becomes a question to 598 and 599.
    prueba->Cargar(BaseDe(597));
    Jugar("SN");
    QVERIFY(ventana->ModoAprender);
    prueba->Pulsar("cmdSi");
    QCOMPARE(ventana->Base.NumLineas, qint16(599));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  300 objetos"));

    guion->ResponderMensaje(Respuesta::Aceptar);
    guion->ResponderMensaje(Respuesta::Aceptar);
    Jugar("SSNN");
    QLocale::setDefault(anterior);
    QCOMPARE(guion->mensajes.size(), 2);
    for (const auto &mensaje : guion->mensajes) {
        QCOMPARE(mensaje.texto, QStringLiteral("Ya hay más de ") + numero + QStringLiteral(" objetos"));
        QCOMPARE(mensaje.titulo, QStringLiteral("Límite de memoria"));
        QCOMPARE(mensaje.botones, Plataforma::Botones::Aceptar);
        QCOMPARE(mensaje.icono, Plataforma::Icono::Exclamacion);
    }
    // The full hold: the guess on light yellow, "Parar" disabled, no learning.
    QCOMPARE(ventana->LineaActual, qint16(598));
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Amarillo);
    QCOMPARE(Texto("txtPreguntaUsr"), QStringLiteral("objeto 2"));
    QVERIFY(!Control("cmdParar")->isEnabled());
    QVERIFY(Control("cmdSi")->isEnabled());
    QVERIFY(!ventana->ModoAprender);
    QCOMPARE(ventana->Base.NumLineas, qint16(599));

    prueba->Pulsar("cmdSi");
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Verde);
    VerificarFueraDeJuego();
}

void TestJuego::pararEndsTheGameWhereItStands_data()
{
    QTest::addColumn<QString>("respuestas");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<quint32>("fondo");
    QTest::newRow("at the first question") << ""
                                           << "¿Pregunta uno?" << Amarillo;
    QTest::newRow("at a guess") << "N"
                                << "objeto 3" << Rojo;
}

void TestJuego::pararEndsTheGameWhereItStands()
{
    QFETCH(QString, respuestas);
    QFETCH(QString, texto);
    QFETCH(quint32, fondo);
    prueba->Cargar(BaseDe(3));
    Jugar(respuestas);
    prueba->Pulsar("cmdParar");
    VerificarFueraDeJuego();
    QCOMPARE(Texto("txtPreguntaUsr"), texto);
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), fondo);
    QCOMPARE(FondoBGR(Control("txtObjeto1")), Amarillo);
}

void TestJuego::emptyLineOneIsAGuess_data()
{
    QTest::addColumn<QString>("respuesta");
    QTest::addColumn<bool>("aprende");
    QTest::newRow("Si ends the game") << "S" << false;
    QTest::newRow("No learns, with an empty Objeto 2") << "N" << true;
}

void TestJuego::emptyLineOneIsAGuess()
{
    QFETCH(QString, respuesta);
    QFETCH(bool, aprende);
    prueba->Cargar(BaseConocimiento());
    prueba->Pulsar("cmdJugar");
    QCOMPARE(Texto("txtPreguntaUsr"), QString());
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Amarillo);
    Jugar(respuesta);
    QCOMPARE(ventana->ModoAprender, aprende);
    if (aprende) {
        QCOMPARE(Texto("txtObjeto2"), QString());
        QVERIFY(!Control("cmdParar")->isEnabled());
    } else {
        QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Verde);
        VerificarFueraDeJuego();
    }
}

void TestJuego::linksOutsideTheArraysEndTheGame_data()
{
    QTest::addColumn<int>("enlaceSi");
    QTest::addColumn<int>("enlaceNo");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("negative") << -4 << 3 << "La línea 1 lleva a la línea -4, que no existe. El juego termina aquí.";
    QTest::newRow("600") << 600 << 3 << "La línea 1 lleva a la línea 600, que no existe. El juego termina aquí.";
    QTest::newRow("0 on the side answered")
        << 0 << 3 << "La línea 1 lleva a la línea 0, que no existe. El juego termina aquí.";
    QTest::newRow("16-bit extreme") << 32767 << 3
                                    << "La línea 1 lleva a la línea 32767, que no existe. El juego termina aquí.";
}

void TestJuego::linksOutsideTheArraysEndTheGame()
{
    QFETCH(int, enlaceSi);
    QFETCH(int, enlaceNo);
    QFETCH(QString, mensaje);
    BaseConocimiento base = BaseDe(3);
    base.ValorSi[1] = static_cast<qint16>(enlaceSi);
    base.ValorNo[1] = static_cast<qint16>(enlaceNo);
    prueba->Cargar(base);
    guion->ResponderMensaje(Respuesta::Aceptar);
    Jugar("S");
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, mensaje);
    QCOMPARE(guion->mensajes[0].titulo, QStringLiteral("Enlace incorrecto"));
    QCOMPARE(ventana->LineaActual, qint16(1));
    QCOMPARE(Fila(), QStringLiteral("1 %1 %2").arg(enlaceSi).arg(enlaceNo));
    VerificarFueraDeJuego();
}

void TestJuego::linkAboveTheCountShowsAnEmptyGuess()
{
    BaseConocimiento base = BaseDe(3);
    base.ValorSi[1] = 599;
    prueba->Cargar(base);
    Jugar("S");
    QCOMPARE(Fila(), QStringLiteral("599 0 0"));
    QCOMPARE(Texto("txtPreguntaUsr"), QString());
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Rojo);
    QVERIFY(guion->mensajes.isEmpty());
}

void TestJuego::refusesLearningWhereTheStepWouldDamageTheBase_data()
{
    QTest::addColumn<int>("numLineas");
    QTest::addColumn<int>("enlaceSi");
    QTest::addColumn<QString>("mensaje");
    QTest::newRow("598 lines, the step would write line 600")
        << 598 << 2 << "El archivo tiene 598 líneas: no caben dos líneas más sin pasar de 599.";
    QTest::newRow("count 0") << 0 << 2 << "El archivo dice tener 0 líneas: no hay dónde guardar un objeto nuevo.";
    QTest::newRow("negative count") << -7 << 2
                                    << "El archivo dice tener -7 líneas: no hay dónde guardar un objeto nuevo.";
    QTest::newRow("guess above the count")
        << 3 << 9 << "La línea 9 está fuera del archivo, que tiene 3 líneas: no se puede aprender en ella.";
}

void TestJuego::refusesLearningWhereTheStepWouldDamageTheBase()
{
    QFETCH(int, numLineas);
    QFETCH(int, enlaceSi);
    QFETCH(QString, mensaje);
    BaseConocimiento base = BaseDe(3);
    base.NumLineas = static_cast<qint16>(numLineas);
    base.ValorSi[1] = static_cast<qint16>(enlaceSi);
    prueba->Cargar(base);
    Jugar("S");
    const QString guess = Texto("txtPreguntaUsr");
    const BaseConocimiento antes = ventana->Base;

    guion->ResponderMensaje(Respuesta::Aceptar);
    prueba->Pulsar("cmdNo");
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, mensaje);
    QCOMPARE(guion->mensajes[0].titulo, QStringLiteral("No se puede aprender"));
    // Nothing changed: still playing at the guess, which Si can confirm or "Parar" leave.
    QVERIFY(!ventana->ModoAprender);
    QVERIFY(!ventana->Modificado);
    QVERIFY(Control("cmdParar")->isEnabled());
    QCOMPARE(Texto("txtPreguntaUsr"), guess);
    QCOMPARE(Texto("txtObjeto2"), QString());
    QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Rojo);
    QCOMPARE(ventana->Base.NumLineas, antes.NumLineas);
    QVERIFY(ventana->Base.TextoLinea == antes.TextoLinea);
    QVERIFY(ventana->Base.ValorSi == antes.ValorSi);
}

void TestJuego::aPastedQuoteStopsTheLearningStep_data()
{
    QTest::addColumn<QString>("caja");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("Objeto 1") << "txtObjeto1"
                              << "Objeto 1";
    QTest::newRow("Objeto 2") << "txtObjeto2"
                              << "Objeto 2";
    QTest::newRow("Pregunta") << "txtPreguntaUsr"
                              << "Pregunta";
}

void TestJuego::aPastedQuoteStopsTheLearningStep()
{
    QFETCH(QString, caja);
    QFETCH(QString, nombre);
    for (const char *otra : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr"})
        prueba->Teclear(otra, "sin comillas");
    // A paste puts the quote there without typing it.
    Control<CajaTexto>(qPrintable(caja))->PonerTexto(QStringLiteral("con \"comillas\""));
    guion->ResponderMensaje(Respuesta::Aceptar);
    prueba->Pulsar("cmdSi");
    QCOMPARE(guion->mensajes.size(), 1);
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("Quite las comillas del texto ") + nombre);
    QCOMPARE(guion->mensajes[0].titulo, QStringLiteral("Comillas encontradas"));
    QCOMPARE(guion->mensajes[0].icono, Plataforma::Icono::Error);
    QCOMPARE(ventana->Base.NumLineas, qint16(1));
    QVERIFY(ventana->Base.TextoLinea[1].isEmpty());
    QVERIFY(ventana->ModoAprender);

    // Once the quote is gone the same click learns.
    Control<CajaTexto>(qPrintable(caja))->PonerTexto(QStringLiteral("con 'comillas'"));
    prueba->Pulsar("cmdSi");
    QCOMPARE(ventana->Base.NumLineas, qint16(3));
}

void TestJuego::teachesFiveObjectsAndPlaysToEachOfThem()
{
    struct Leccion {
        const char *objeto;
        const char *pregunta;
        const char *camino;
    };
    prueba->Teclear("txtObjeto1", "perro");
    prueba->Teclear("txtObjeto2", "gato");
    prueba->Teclear("txtPreguntaUsr", "Maulla?");
    prueba->Pulsar("cmdSi");
    // Taught after a wrong guess reached with `camino`: the new object, and a question answered No for it.
    const Leccion lecciones[] = {
        {"lobo", "Es domestico?", "N"}, {"aguila", "Es un mamifero?", "NN"}, {"tigre", "Es pequeno?", "S"}};
    for (const Leccion &leccion : lecciones) {
        Jugar(QString::fromLatin1(leccion.camino) + 'N');
        QVERIFY(ventana->ModoAprender);
        prueba->Teclear("txtObjeto1", QString::fromLatin1(leccion.objeto));
        prueba->Teclear("txtPreguntaUsr", QString::fromLatin1(leccion.pregunta));
        // The question is answered for the guessed object in Objeto 2.
        prueba->Pulsar("cmdSi");
    }
    QCOMPARE(ventana->Base.NumLineas, qint16(9));
    QCOMPARE(Control<QLabel>("lblTituloTvo")->text(), QStringLiteral("El archivo tvo contiene  5 objetos"));

    const QList<QPair<QString, QString>> caminos = {
        {"gato", "SS"}, {"tigre", "SN"}, {"perro", "NS"}, {"lobo", "NNS"}, {"aguila", "NNN"}};
    for (const auto &[objeto, camino] : caminos) {
        Jugar(camino);
        QCOMPARE(Texto("txtPreguntaUsr"), objeto);
        QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Rojo);
        prueba->Pulsar("cmdSi");
        QCOMPARE(FondoBGR(Control("txtPreguntaUsr")), Verde);
    }
    QVERIFY(guion->mensajes.isEmpty());
}

// A dark desktop theme gives light text; every background the program sets is light, so it sets its text too.
void TestJuego::everyColouredControlReadsOnADarkDesktop()
{
    QPalette oscura;
    for (const auto rol : {QPalette::Window, QPalette::Base, QPalette::Button})
        oscura.setColor(rol, QColor(0x30, 0x30, 0x30));
    for (const auto rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        oscura.setColor(rol, QColor(0xee, 0xee, 0xee));
    oscura.setColor(QPalette::Disabled, QPalette::Text, QColor(0x90, 0x90, 0x90));
    oscura.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x90, 0x90, 0x90));
    const QPalette antes = QApplication::palette();
    QApplication::setPalette(oscura);
    prueba->Reiniciar(guion->carpeta);
    ventana = prueba->ventana.get();
    guion = prueba->plataforma.get();

    const auto verificar = [this](const char *estado) {
        for (const char *nombre : {"txtObjeto1", "txtObjeto2", "txtPreguntaUsr", "txtRegistro", "txtValorSi",
                                   "txtValorNo", "lblTituloTvo", "lblNomArchTvo"}) {
            const QWidget *control = Control(nombre);
            const bool etiqueta = qobject_cast<const QLabel *>(control);
            for (const auto grupo :
                 control->isEnabled() ? QList{QPalette::Active, QPalette::Inactive} : QList{QPalette::Disabled}) {
                const double contraste =
                    Contraste(control->palette().color(grupo, etiqueta ? QPalette::WindowText : QPalette::Text),
                              control->palette().color(grupo, etiqueta ? QPalette::Window : QPalette::Base));
                QVERIFY2(contraste >= 4.5, qPrintable(QStringLiteral("%1 while %2: contrast %3")
                                                          .arg(QLatin1String(nombre), QLatin1String(estado))
                                                          .arg(contraste)));
            }
        }
    };
    verificar("learning");
    prueba->Cargar(BaseDe(3));
    verificar("out of play");
    Jugar("");
    verificar("at a question");
    prueba->Pulsar("cmdSi");
    verificar("at a guess");
    prueba->Pulsar("cmdSi");
    verificar("confirmed");
    Jugar("SN");
    verificar("learning after a wrong guess");
    QApplication::setPalette(antes);
}

QTEST_MAIN(TestJuego)
#include "tst_juego.moc"
