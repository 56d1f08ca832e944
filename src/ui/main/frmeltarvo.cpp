#include "frmeltarvo.h"

#include "ui/arbol/frmarbol.h"
#include "ui/ayuda/ventanadocumento.h"
#include "ui/controles/apariencia.h"
#include "ui/controles/botongrafico.h"
#include "ui/controles/cajaregistro.h"
#include "ui/controles/cajatexto.h"
#include "ui/controles/tragarpulsacion.h"
#include "ui/controles/visorarchivo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSessionManager>
#include <QShortcut>
#include <QStyle>

#include <future>

namespace {

// Creates a control of the window or of a frame, named and placed as the layout tables give it in twips.
template <typename Control, typename... Argumentos>
Control *Crear(QWidget *contenedor, const char *nombre, QRect twips, Argumentos &&...argumentos)
{
    auto *control = new Control(std::forward<Argumentos>(argumentos)..., contenedor);
    control->setObjectName(QLatin1String(nombre));
    control->setGeometry(RectanguloTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

QGroupBox *CrearMarco(QWidget *contenedor, const char *nombre, QRect twips, const QString &titulo)
{
    auto *marco = Crear<QGroupBox>(contenedor, nombre, twips);
    marco->setTitle(titulo);
    return marco;
}

// The layout was drawn for a narrower dialog font than most toolkits have: a caption that would not fit its
// label is drawn a little smaller rather than cut. A last line that loses only the tails of its descenders
// still reads, and counts as fitting.
void EncogerHastaCaber(QLabel *etiqueta)
{
    constexpr qreal MenorTamano = 6;
    const QRect zona = etiqueta->contentsRect();
    QFont letra = etiqueta->font();
    const auto cabe = [&] {
        const QFontMetrics medidas(letra);
        return medidas.boundingRect(zona, Qt::TextWordWrap, etiqueta->text()).height() - medidas.descent() <=
               zona.height();
    };
    while (!cabe() && letra.pointSizeF() > MenorTamano)
        letra.setPointSizeF(letra.pointSizeF() - 0.5);
    if (letra != etiqueta->font())
        etiqueta->setFont(letra);
}

// Labels wrap at their width and start at the top, unless the layout says otherwise.
QLabel *CrearEtiqueta(QWidget *contenedor, const char *nombre, QRect twips, const QString &texto,
                      Qt::Alignment alineacion = Qt::AlignLeft)
{
    auto *etiqueta = Crear<QLabel>(contenedor, nombre, twips);
    etiqueta->setText(texto);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setWordWrap(true);
    etiqueta->setAlignment(alineacion | Qt::AlignTop);
    EncogerHastaCaber(etiqueta);
    return etiqueta;
}

template <typename Numero = QLineEdit>
Numero *CrearCajaNumero(QWidget *contenedor, const char *nombre, QRect twips, quint32 fondo)
{
    auto *caja = Crear<Numero>(contenedor, nombre, twips);
    caja->setText(QStringLiteral("0"));
    PonerFondo(caja, fondo);
    return caja;
}

QPushButton *CrearBoton(QWidget *contenedor, const char *nombre, QRect twips, const QString &titulo)
{
    auto *boton = Crear<QPushButton>(contenedor, nombre, twips);
    boton->setText(titulo);
    return boton;
}

BotonGrafico *CrearBotonGrafico(QWidget *contenedor, const char *nombre, QRect twips, const QString &titulo,
                                const QIcon &dibujo, int lado)
{
    auto *boton = Crear<BotonGrafico>(contenedor, nombre, twips, dibujo, QSize(lado, lado));
    boton->setText(titulo);
    return boton;
}

QIcon IconoPrograma()
{
    QIcon icono;
    for (int lado : {16, 32, 48, 256})
        icono.addFile(QStringLiteral(":/recursos/eltarvo-%1.png").arg(lado), QSize(lado, lado));
    return icono;
}

QIcon IconoDeRecurso(const QString &archivo)
{
    return QIcon(QStringLiteral(":/recursos/") + archivo);
}

QIcon IconoDelEstilo(QStyle::StandardPixmap dibujo)
{
    return QApplication::style()->standardIcon(dibujo);
}

} // namespace

// The window's pictures.
struct frmElTarvo::Dibujos {
    QIcon programa = IconoPrograma();
    QIcon jugar = IconoDeRecurso(QStringLiteral("eltarvo-32.png"));
    QIcon parar = IconoDelEstilo(QStyle::SP_DialogCancelButton);
    QIcon ayuda = IconoDelEstilo(QStyle::SP_MessageBoxQuestion);
    QIcon vocab = IconoDeRecurso(QStringLiteral("vocab-25.png"));
    QIcon salir = IconoDelEstilo(QStyle::SP_ArrowBack);
    QIcon nuevo = IconoDelEstilo(QStyle::SP_FileIcon);
    QIcon abrir = IconoDelEstilo(QStyle::SP_DirOpenIcon);
    QIcon disquete = IconoDelEstilo(QStyle::SP_DialogSaveButton);
};

namespace {

// Creates the window on first use; a window already open is only brought to the front, as it stands.
template <typename Ventana, typename... Argumentos>
void MostrarVentana(QPointer<Ventana> &ventana, Argumentos &...argumentos)
{
    if (!ventana)
        ventana = new Ventana(argumentos...);
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

// The colour of each background's meaning, in the order of Fondo.
const quint32 ColoresDeFondo[] = {Color::AmarilloClaro, Color::Blanco, Color::RojoClaro, Color::VerdeClaro};

} // namespace

frmElTarvo::frmElTarvo(ModeloElTarvo &modelo, QWidget *padre) : QWidget(padre), modelo(modelo)
{
    setObjectName(QStringLiteral("frmElTarvo"));
    // The layout was drawn for an 8-point dialog font: the toolkit's own family at that size keeps every
    // caption inside its control. Every control takes it from the window.
    QFont letra = font();
    letra.setPointSizeF(8);
    // Loading the font database is the largest part of a start: another core loads it while this one decodes
    // the window's pictures, which need no font.
    auto letras = std::async(std::launch::async, [] { QFontDatabase::families(); });
    const Dibujos dibujos;
    setWindowIcon(dibujos.programa);
    setFixedSize(RectanguloTwips(0, 0, 9660, 7320).size());
    setFont(letra);
    CrearColumnaIzquierda();
    CrearColumnaCentral(dibujos);
    CrearColumnaDerecha(dibujos);
    OrdenarTabulacion();
    NombrarParaLectoresDePantalla();
    txtObjeto1->setFocus();
    // The load event runs before the window listens to the model: what it leaves is shown once.
    modelo.Form_Load();
    MostrarTodo();
    ConectarEventos();
}

frmElTarvo::~frmElTarvo()
{
    delete ventanaAyuda;
    delete ventanaVocab;
    delete ventanaArbol;
}

void frmElTarvo::CrearColumnaIzquierda()
{
    fraObjeto1 = CrearMarco(this, "fraObjeto1", {0, 0, 3375, 1695}, QStringLiteral("Objeto 1 (nuevo)"));
    txtObjeto1 = Crear<CajaTexto>(fraObjeto1, "txtObjeto1", {120, 240, 3135, 1335});
    fraObjeto2 = CrearMarco(this, "fraObjeto2", {0, 1680, 3375, 1695}, QStringLiteral("Objeto 2"));
    txtObjeto2 = Crear<CajaTexto>(fraObjeto2, "txtObjeto2", {120, 240, 3135, 1335});
    fraPreguntaUsr = CrearMarco(this, "fraPreguntaUsr", {0, 3360, 3375, 1695}, QStringLiteral("Pregunta / Edición"));
    txtPreguntaUsr = Crear<CajaTexto>(fraPreguntaUsr, "txtPreguntaUsr", {120, 240, 3135, 1335});
    lblTituloTvo = CrearEtiqueta(this, "lblTituloTvo", {0, 5160, 3375, 255}, QString());
    PonerFondo(lblTituloTvo, Color::AzulClaro);
    txtTipoObjeto = Crear<CajaTexto>(this, "txtTipoObjeto", {0, 5535, 3375, 1665});
}

void frmElTarvo::CrearColumnaCentral(const Dibujos &dibujos)
{
    RichTextBox1 = Crear<VisorArchivo>(this, "RichTextBox1", {3480, 120, 4455, 3255});
    cmdArrFirst = CrearBoton(this, "cmdArrFirst", {3480, 3480, 450, 255}, QStringLiteral("| <"));
    cmdArrIzq = CrearBoton(this, "cmdArrIzq", {4125, 3480, 450, 255}, QStringLiteral("<"));
    lblL = CrearEtiqueta(this, "lblL", {4665, 3510, 195, 255}, QStringLiteral("L"), Qt::AlignRight);
    txtRegistro = CrearCajaNumero<CajaRegistro>(this, "txtRegistro", {4920, 3480, 495, 285}, Color::MagentaClaro);
    txtValorSi = CrearCajaNumero(this, "txtValorSi", {5520, 3480, 495, 285}, Color::GrisClaro);
    txtValorSi->setReadOnly(true);
    txtValorNo = CrearCajaNumero(this, "txtValorNo", {6105, 3480, 495, 285}, Color::GrisClaro);
    txtValorNo->setReadOnly(true);
    cmdArrDer = CrearBoton(this, "cmdArrDer", {6780, 3480, 450, 255}, QStringLiteral(">"));
    cmdArrLast = CrearBoton(this, "cmdArrLast", {7485, 3480, 450, 255}, QStringLiteral("> |"));
    cmdSi = CrearBoton(this, "cmdSi", {3480, 3840, 855, 495}, QStringLiteral("&Si"));
    lblNoComillas = CrearEtiqueta(this, "lblNoComillas", {4440, 3840, 1095, 495}, QStringLiteral("ElTarvo v3.2 - 2015"),
                                  Qt::AlignHCenter);
    lblHelp = CrearEtiqueta(this, "lblHelp", {5640, 3825, 3855, 390},
                            QStringLiteral("Especifique unos 5 objetos iniciales más o menos, con sus preguntas "
                                           "que serán sus categorias."));
    cmdNo = CrearBoton(this, "cmdNo", {3480, 4440, 855, 495}, QStringLiteral("&No"));
    // No room is left for a button: going back is a key, which the answer buttons tell.
    for (QPushButton *boton : {cmdSi, cmdNo})
        boton->setToolTip(QStringLiteral("Alt+← vuelve a la pregunta anterior"));

    cmdJugar = CrearBotonGrafico(this, "cmdJugar", {4440, 4320, 1095, 735}, QStringLiteral("Jugar"), dibujos.jugar, 32);
    cmdParar = CrearBotonGrafico(this, "cmdParar", {5640, 4440, 855, 615}, QStringLiteral("Parar"), dibujos.parar, 16);
    cmdAyuda = CrearBotonGrafico(this, "cmdAyuda", {6600, 4440, 855, 615}, QStringLiteral("Help"), dibujos.ayuda, 16);
    cmdVocab = CrearBotonGrafico(this, "cmdVocab", {7560, 4440, 855, 615}, QStringLiteral("Vocab"), dibujos.vocab, 25);
    cmdSalir = CrearBotonGrafico(this, "cmdSalir", {8520, 4320, 1095, 735}, QStringLiteral("Salir"), dibujos.salir, 32);
    lblNomArchTvo = CrearEtiqueta(this, "lblNomArchTvo", {3480, 5160, 3015, 975}, QString(), Qt::AlignHCenter);
    PonerFondo(lblNomArchTvo, Color::AzulClaro);
    Label1 = CrearEtiqueta(this, "Label1", {3480, 6225, 3000, 960},
                           QStringLiteral("Puede crear un archivo en formato de escalera, es decir, sin "
                                          "ramificaciones (responder 'No' solamente y al final 'default') - "
                                          "Máx. 32766 carac. por objeto."));
    txtCarac = Crear<CajaTexto>(this, "txtCarac", {6600, 5175, 3015, 1995});
}

void frmElTarvo::CrearColumnaDerecha(const Dibujos &dibujos)
{
    cmdCrearArchTvo =
        CrearBotonGrafico(this, "cmdCrearArchTvo", {8040, 120, 1575, 735}, QStringLiteral("Nuevo"), dibujos.nuevo, 16);
    cmdTvoDeDisco =
        CrearBotonGrafico(this, "cmdTvoDeDisco", {8040, 960, 1575, 735}, QStringLiteral("Abrir..."), dibujos.abrir, 16);
    fraGuardar = CrearMarco(this, "fraGuardar", {8040, 1800, 1575, 1695}, QStringLiteral("Guardar TVO"));
    cmdGuardar = CrearBotonGrafico(fraGuardar, "cmdGuardar", {120, 240, 1335, 615}, QStringLiteral("Guardar"),
                                   dibujos.disquete, 16);
    cmdGuardarComo = CrearBotonGrafico(fraGuardar, "cmdGuardarComo", {120, 960, 1335, 615},
                                       QStringLiteral("Guardar como..."), dibujos.disquete, 16);
    cmdArbol = CrearBoton(this, "cmdArbol", {8040, 3495, 1575, 330}, QStringLiteral("Ár&bol"));
}

void frmElTarvo::OrdenarTabulacion()
{
    const QList<QWidget *> orden = {txtObjeto1,      txtObjeto2,    txtPreguntaUsr, txtTipoObjeto,  RichTextBox1,
                                    txtRegistro,     txtValorSi,    txtValorNo,     cmdSi,          cmdNo,
                                    cmdJugar,        cmdParar,      cmdAyuda,       cmdSalir,       txtCarac,
                                    cmdCrearArchTvo, cmdTvoDeDisco, cmdGuardar,     cmdGuardarComo, cmdVocab,
                                    cmdArbol,        cmdArrIzq,     cmdArrFirst,    cmdArrDer,      cmdArrLast};
    for (qsizetype i = 1; i < orden.size(); ++i)
        setTabOrder(orden[i - 1], orden[i]);
}

// Buttons, labels and frames are spoken by their captions, but for the arrows, whose captions are glyphs; the
// boxes get the names of what they hold, and "L" labels the line box.
void frmElTarvo::NombrarParaLectoresDePantalla()
{
    const std::pair<QWidget *, const char *> nombres[] = {{txtObjeto1, "Objeto 1"},
                                                          {txtObjeto2, "Objeto 2"},
                                                          {txtPreguntaUsr, "Pregunta / Edición"},
                                                          {txtTipoObjeto, "Tipo de objeto"},
                                                          {txtCarac, "Características"},
                                                          {RichTextBox1, "Archivo tvo"},
                                                          {txtRegistro, "Número de línea"},
                                                          {txtValorSi, "Enlace Sí"},
                                                          {txtValorNo, "Enlace No"},
                                                          {cmdArrFirst, "Primera línea"},
                                                          {cmdArrIzq, "Línea anterior"},
                                                          {cmdArrDer, "Línea siguiente"},
                                                          {cmdArrLast, "Última línea"},
                                                          {cmdArbol, "Árbol"}};
    for (const auto &[control, nombre] : nombres)
        control->setAccessibleName(QString::fromUtf8(nombre));
    lblL->setBuddy(txtRegistro);
}

void frmElTarvo::ConectarEventos()
{
    const std::pair<QPushButton *, void (frmElTarvo::*)()> botones[] = {
        {cmdJugar, &frmElTarvo::cmdJugar_Click},
        {cmdSi, &frmElTarvo::cmdSi_Click},
        {cmdNo, &frmElTarvo::cmdNo_Click},
        {cmdParar, &frmElTarvo::cmdParar_Click},
        {cmdTvoDeDisco, &frmElTarvo::cmdTvoDeDisco_Click},
        {cmdGuardar, &frmElTarvo::cmdGuardar_Click},
        {cmdGuardarComo, &frmElTarvo::cmdGuardarComo_Click},
        {cmdSalir, &frmElTarvo::cmdSalir_Click},
        {cmdCrearArchTvo, &frmElTarvo::cmdCrearArchTvo_Click},
        {cmdAyuda, &frmElTarvo::cmdAyuda_Click},
        {cmdVocab, &frmElTarvo::cmdVocab_Click},
        {cmdArbol, &frmElTarvo::cmdArbol_Click},
        {cmdArrFirst, &frmElTarvo::cmdArrFirst_Click},
        {cmdArrIzq, &frmElTarvo::cmdArrIzq_Click},
        {cmdArrDer, &frmElTarvo::cmdArrDer_Click},
        {cmdArrLast, &frmElTarvo::cmdArrLast_Click},
    };
    for (const auto &[boton, manejador] : botones) {
        // A click takes the focus, and with it the box's leave step, on every style (some give buttons the
        // focus only by Tab). An access key, or a style that still keeps it away, leaves the step to here.
        boton->setFocusPolicy(Qt::StrongFocus);
        connect(boton, &QPushButton::clicked, this, [this, manejador = manejador] {
            if (CompletarEdicion())
                (this->*manejador)();
        });
    }

    for (const Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta, Caja::TipoObjeto, Caja::Carac}) {
        CajaTexto *control = CajaDe(caja);
        connect(control, &CajaTexto::KeyPress, this, [this, caja](int &codigo) { Caja_KeyPress(caja, codigo); });
        connect(control, &CajaTexto::LostFocus, this,
                [this, caja] { AlSalir([this, caja] { Caja_LostFocus(caja); }); });
        connect(control, &QPlainTextEdit::textChanged, this, [this, caja, control] {
            if (!mostrando)
                modelo.Cajas().TextoEditado(caja, control->Texto());
        });
    }
    connect(new QShortcut(AtajoVolver, this), &QShortcut::activated, this, [this] {
        if (CompletarEdicion())
            Volver_KeyPress();
    });
    connect(txtRegistro, &CajaRegistro::KeyPress, this, &frmElTarvo::txtRegistro_KeyPress);
    connect(txtRegistro, &CajaRegistro::Validate, this, [this] { AlSalir([this] { txtRegistro_Validate(); }); });
    connect(txtRegistro, &CajaRegistro::GotFocus, this, &frmElTarvo::txtRegistro_GotFocus);
    connect(txtRegistro, &CajaRegistro::Click, this, &frmElTarvo::txtRegistro_Click);
    connect(txtRegistro, &QLineEdit::textEdited, this,
            [this](const QString &texto) { modelo.Cajas().RegistroEditado(texto); });

    const Juego &juego = modelo.ElJuego();
    connect(&juego, &Juego::TextoCambiado, this, &frmElTarvo::MostrarTexto);
    connect(&juego, &Juego::FondoCambiado, this, &frmElTarvo::MostrarFondo);
    connect(&juego, &Juego::FilaCambiada, this, &frmElTarvo::MostrarFila);
    connect(&juego, &Juego::FaseCambiada, this, &frmElTarvo::MostrarControles);
    connect(&juego, &Juego::CuentaCambiada, this, &frmElTarvo::MostrarCuenta);
    connect(&modelo, &ModeloElTarvo::NombreCambiado, this, &frmElTarvo::MostrarNombre);
    connect(&modelo, &ModeloElTarvo::VistaCambiada, this, &frmElTarvo::MostrarVista);
#ifndef QT_NO_SESSIONMANAGER
    // A logout asks as the close box does, where the session lets the program ask; where it does not, the
    // recovery copy keeps the work.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &sesion) {
        if (!sesion.allowsInteraction())
            return;
        if (!close())
            sesion.cancel();
        sesion.release();
    });
#endif
}

void frmElTarvo::closeEvent(QCloseEvent *evento)
{
    // The box that holds the focus is left first, as a click on "Salir" leaves it.
    if (!modelo.Terminando() && CompletarEdicion())
        modelo.Salir();
    evento->setAccepted(modelo.Terminando());
}

CajaTexto *frmElTarvo::CajaDe(Caja caja) const
{
    switch (caja) {
    case Caja::Objeto1:
        return txtObjeto1;
    case Caja::Objeto2:
        return txtObjeto2;
    case Caja::Pregunta:
        return txtPreguntaUsr;
    case Caja::TipoObjeto:
        return txtTipoObjeto;
    case Caja::Carac:
        break;
    }
    return txtCarac;
}

bool frmElTarvo::CompletarEdicion()
{
    QWidget *foco = focusWidget();
    if (foco == txtRegistro) {
        txtRegistro_Validate();
        return true;
    }
    for (const Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta, Caja::TipoObjeto, Caja::Carac})
        if (foco == CajaDe(caja))
            return modelo.Cajas().Salir(caja);
    return true;
}

void frmElTarvo::Caja_LostFocus(Caja caja)
{
    if (modelo.Cajas().Salir(caja))
        return;
    CajaTexto *control = CajaDe(caja);
    {
        QScopedValueRollback<bool> guarda(devolviendoFoco, true);
        control->setFocus(Qt::OtherFocusReason);
    }
    // The click that took the focus away must not act on what the box refused.
    if (control->SalioConRaton())
        TragarPulsacion::Instalar();
}

template <typename Manejador> void frmElTarvo::AlSalir(Manejador manejador)
{
    if (!devolviendoFoco)
        manejador();
}

void frmElTarvo::txtRegistro_GotFocus()
{
    // Home, then Shift+End: the digits typed next replace the whole number.
    txtRegistro->home(false);
    txtRegistro->end(true);
}

void frmElTarvo::cmdAyuda_Click()
{
    MostrarVentana(ventanaAyuda);
}

void frmElTarvo::cmdVocab_Click()
{
    MostrarVentana(ventanaVocab);
}

void frmElTarvo::cmdArbol_Click()
{
    std::function<bool()> completar = [this] { return CompletarEdicion(); };
    MostrarVentana(ventanaArbol, modelo, completar);
}

void frmElTarvo::MostrarTexto(Caja caja)
{
    QScopedValueRollback<bool> guarda(mostrando, true);
    CajaDe(caja)->PonerTexto(modelo.Cajas().Texto(caja));
}

void frmElTarvo::MostrarFondo(Caja caja)
{
    PonerFondo(CajaDe(caja), ColoresDeFondo[static_cast<int>(modelo.ElJuego().FondoDe(caja))]);
}

void frmElTarvo::MostrarFila()
{
    const Fila &fila = modelo.ElJuego().FilaMostrada();
    txtRegistro->setText(fila.registro);
    txtValorSi->setText(fila.valorSi);
    txtValorNo->setText(fila.valorNo);
}

void frmElTarvo::MostrarControles()
{
    const Controles controles = ControlesDe(modelo.ElJuego().FaseActual());
    for (QWidget *control : {static_cast<QWidget *>(cmdSi), static_cast<QWidget *>(cmdNo)})
        control->setEnabled(controles.siNo);
    cmdJugar->setEnabled(controles.jugar);
    cmdParar->setEnabled(controles.parar);
    for (QWidget *control : {cmdCrearArchTvo, cmdTvoDeDisco, cmdGuardar, cmdGuardarComo})
        control->setEnabled(controles.archivo);
    for (QWidget *control :
         {static_cast<QWidget *>(txtRegistro), static_cast<QWidget *>(cmdArrDer), static_cast<QWidget *>(cmdArrIzq),
          static_cast<QWidget *>(cmdArrFirst), static_cast<QWidget *>(cmdArrLast)})
        control->setEnabled(controles.navegador);
    PonerFondo(txtRegistro, controles.navegador ? Color::MagentaClaro : Color::GrisClaro);
}

void frmElTarvo::MostrarCuenta()
{
    lblTituloTvo->setText(modelo.ElJuego().CuentaObjetos());
}

void frmElTarvo::MostrarNombre()
{
    setWindowTitle(modelo.Titulo());
    lblNomArchTvo->setText(modelo.EtiquetaArchivo());
}

void frmElTarvo::MostrarVista()
{
    RichTextBox1->MostrarBytes(modelo.Vista());
}

void frmElTarvo::MostrarTodo()
{
    for (const Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta, Caja::TipoObjeto, Caja::Carac})
        MostrarTexto(caja);
    for (const Caja caja : {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta})
        MostrarFondo(caja);
    MostrarFila();
    MostrarControles();
    MostrarCuenta();
    MostrarNombre();
    MostrarVista();
}
