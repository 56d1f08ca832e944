#include "frmeltarvo.h"

#include "disposicion.h"

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

// Creates a control of the window or of a frame, named and placed as the layout gives it.
template <typename Control, typename... Argumentos>
Control *Crear(QWidget *contenedor, const char *nombre, Argumentos &&...argumentos)
{
    const QRect twips = LugarDe(nombre).twips;
    auto *control = new Control(std::forward<Argumentos>(argumentos)..., contenedor);
    control->setObjectName(QLatin1String(nombre));
    control->setGeometry(RectanguloTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

QString TextoDe(const char *nombre)
{
    return QString::fromUtf8(LugarDe(nombre).texto);
}

QGroupBox *CrearMarco(QWidget *contenedor, const char *nombre)
{
    auto *marco = Crear<QGroupBox>(contenedor, nombre);
    marco->setTitle(TextoDe(nombre));
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
QLabel *CrearEtiqueta(QWidget *contenedor, const char *nombre, Qt::Alignment alineacion = Qt::AlignLeft)
{
    auto *etiqueta = Crear<QLabel>(contenedor, nombre);
    etiqueta->setText(TextoDe(nombre));
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setWordWrap(true);
    etiqueta->setAlignment(alineacion | Qt::AlignTop);
    EncogerHastaCaber(etiqueta);
    return etiqueta;
}

template <typename Numero = QLineEdit> Numero *CrearCajaNumero(QWidget *contenedor, const char *nombre, quint32 fondo)
{
    auto *caja = Crear<Numero>(contenedor, nombre);
    caja->setText(TextoDe(nombre));
    PonerFondo(caja, fondo);
    return caja;
}

QPushButton *CrearBoton(QWidget *contenedor, const char *nombre)
{
    auto *boton = Crear<QPushButton>(contenedor, nombre);
    boton->setText(TextoDe(nombre));
    return boton;
}

BotonGrafico *CrearBotonGrafico(QWidget *contenedor, const char *nombre, const QIcon &dibujo, int lado)
{
    auto *boton = Crear<BotonGrafico>(contenedor, nombre, dibujo, QSize(lado, lado));
    boton->setText(TextoDe(nombre));
    return boton;
}

// The sizes a title bar and a task switcher draw. Each is decoded when added, and the 256-pixel one alone took
// longer than the other pictures together; desktops take the large icon from the menu entry's.
QIcon IconoPrograma()
{
    QIcon icono;
    for (int lado : {16, 32, 48})
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
    setFixedSize(RectanguloTwips(0, 0, TwipsDeVentana.width(), TwipsDeVentana.height()).size());
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
    fraObjeto1 = CrearMarco(this, "fraObjeto1");
    txtObjeto1 = Crear<CajaTexto>(fraObjeto1, "txtObjeto1");
    fraObjeto2 = CrearMarco(this, "fraObjeto2");
    txtObjeto2 = Crear<CajaTexto>(fraObjeto2, "txtObjeto2");
    fraPreguntaUsr = CrearMarco(this, "fraPreguntaUsr");
    txtPreguntaUsr = Crear<CajaTexto>(fraPreguntaUsr, "txtPreguntaUsr");
    lblTituloTvo = CrearEtiqueta(this, "lblTituloTvo");
    PonerFondo(lblTituloTvo, Color::AzulClaro);
    txtTipoObjeto = Crear<CajaTexto>(this, "txtTipoObjeto");
}

void frmElTarvo::CrearColumnaCentral(const Dibujos &dibujos)
{
    RichTextBox1 = Crear<VisorArchivo>(this, "RichTextBox1");
    cmdArrFirst = CrearBoton(this, "cmdArrFirst");
    cmdArrIzq = CrearBoton(this, "cmdArrIzq");
    lblL = CrearEtiqueta(this, "lblL", Qt::AlignRight);
    txtRegistro = CrearCajaNumero<CajaRegistro>(this, "txtRegistro", Color::MagentaClaro);
    txtValorSi = CrearCajaNumero(this, "txtValorSi", Color::GrisClaro);
    txtValorSi->setReadOnly(true);
    txtValorNo = CrearCajaNumero(this, "txtValorNo", Color::GrisClaro);
    txtValorNo->setReadOnly(true);
    cmdArrDer = CrearBoton(this, "cmdArrDer");
    cmdArrLast = CrearBoton(this, "cmdArrLast");
    cmdSi = CrearBoton(this, "cmdSi");
    lblNoComillas = CrearEtiqueta(this, "lblNoComillas", Qt::AlignHCenter);
    lblHelp = CrearEtiqueta(this, "lblHelp");
    cmdNo = CrearBoton(this, "cmdNo");
    // No room is left for a button: going back is a key, which the answer buttons tell.
    for (QPushButton *boton : {cmdSi, cmdNo})
        boton->setToolTip(QStringLiteral("Alt+← vuelve a la pregunta anterior"));

    cmdJugar = CrearBotonGrafico(this, "cmdJugar", dibujos.jugar, 32);
    cmdParar = CrearBotonGrafico(this, "cmdParar", dibujos.parar, 16);
    cmdAyuda = CrearBotonGrafico(this, "cmdAyuda", dibujos.ayuda, 16);
    cmdVocab = CrearBotonGrafico(this, "cmdVocab", dibujos.vocab, 25);
    cmdSalir = CrearBotonGrafico(this, "cmdSalir", dibujos.salir, 32);
    lblNomArchTvo = CrearEtiqueta(this, "lblNomArchTvo", Qt::AlignHCenter);
    PonerFondo(lblNomArchTvo, Color::AzulClaro);
    Label1 = CrearEtiqueta(this, "Label1");
    txtCarac = Crear<CajaTexto>(this, "txtCarac");
}

void frmElTarvo::CrearColumnaDerecha(const Dibujos &dibujos)
{
    cmdCrearArchTvo = CrearBotonGrafico(this, "cmdCrearArchTvo", dibujos.nuevo, 16);
    cmdTvoDeDisco = CrearBotonGrafico(this, "cmdTvoDeDisco", dibujos.abrir, 16);
    fraGuardar = CrearMarco(this, "fraGuardar");
    cmdGuardar = CrearBotonGrafico(fraGuardar, "cmdGuardar", dibujos.disquete, 16);
    cmdGuardarComo = CrearBotonGrafico(fraGuardar, "cmdGuardarComo", dibujos.disquete, 16);
    cmdArbol = CrearBoton(this, "cmdArbol");
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
