#include "frmarbol.h"

#include "kb/rutas.h"

#include <QActionGroup>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace {

// The rows of a game in play: the path in bold, the current line also on light yellow, as the question box.
class MarcaDeCamino : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *opcion, const QModelIndex &indice) const override
    {
        QStyledItemDelegate::initStyleOption(opcion, indice);
        const int marca = indice.siblingAtColumn(0).data(ModeloArbol::MarcaRol).toInt();
        opcion->font.setBold(marca != ModeloArbol::SinMarca);
        if (marca == ModeloArbol::Actual) {
            opcion->backgroundBrush = QColor(0xFF, 0xFF, 0xC0);
            opcion->palette.setColor(QPalette::Text, Qt::black);
        }
    }
};

// Where a row stands in the tree read top to bottom: the rows from the top level down to it.
QList<int> Posicion(QModelIndex fila)
{
    QList<int> filas;
    for (; fila.isValid(); fila = fila.parent())
        filas.prepend(fila.row());
    return filas;
}

QPushButton *CrearBoton(QWidget *padre, const char *nombre, const QString &titulo)
{
    auto *boton = new QPushButton(titulo, padre);
    boton->setObjectName(QLatin1String(nombre));
    return boton;
}

} // namespace

frmArbol::frmArbol(ModeloElTarvo &modelo, std::function<bool()> completarEdicion)
    : modelo(modelo), completarEdicion(std::move(completarEdicion)), modeloArbol(modelo.Base())
{
    setObjectName(QStringLiteral("frmArbol"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main window keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(420, 480);

    txtBuscar = new QLineEdit(this);
    txtBuscar->setObjectName(QStringLiteral("txtBuscar"));
    txtBuscar->setAccessibleName(QStringLiteral("Buscar"));
    txtBuscar->setPlaceholderText(QStringLiteral("Buscar"));
    arbol = new QTreeView(this);
    arbol->setObjectName(QStringLiteral("arbol"));
    arbol->setAccessibleName(QStringLiteral("Árbol de la base"));
    arbol->setItemDelegate(new MarcaDeCamino(arbol));
    arbol->setUniformRowHeights(true);
    arbol->setModel(&modeloArbol);
    arbol->header()->setStretchLastSection(false);
    arbol->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    arbol->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    lblCoincidencias = new QLabel(this);
    lblCoincidencias->setObjectName(QStringLiteral("lblCoincidencias"));
    cmdCambiarSiNo = CrearBoton(this, "cmdCambiarSiNo", QStringLiteral("Cambiar Sí/No"));
    cmdQuitarObjeto = CrearBoton(this, "cmdQuitarObjeto", QStringLiteral("Quitar objeto"));
    cmdVolver = CrearBoton(this, "cmdVolver", QStringLiteral("Volver aquí"));
    cmdVolver->setAccessibleName(QStringLiteral("Volver aquí"));
    // Disabled as a group in a game or a lesson, and each by the stack when there is nothing to undo or redo.
    historia = new QActionGroup(this);
    historia->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    const QUndoStack &pila = modelo.Doc().Historia();
    cmdDeshacer = CrearBotonDeHistoria(pila.createUndoAction(historia, QStringLiteral("Deshacer")), "cmdDeshacer",
                                       [this] { this->modelo.Deshacer(); });
    cmdDeshacer->defaultAction()->setShortcuts(QKeySequence::Undo);
    cmdRehacer = CrearBotonDeHistoria(pila.createRedoAction(historia, QStringLiteral("Rehacer")), "cmdRehacer",
                                      [this] { this->modelo.Rehacer(); });
    cmdRehacer->defaultAction()->setShortcuts(QKeySequence::Redo);

    auto *botones = new QHBoxLayout;
    for (QWidget *boton :
         std::initializer_list<QWidget *>{cmdCambiarSiNo, cmdQuitarObjeto, cmdVolver, cmdDeshacer, cmdRehacer})
        botones->addWidget(boton);
    auto *columna = new QVBoxLayout(this);
    columna->addWidget(txtBuscar);
    columna->addWidget(arbol);
    columna->addWidget(lblCoincidencias);
    columna->addLayout(botones);

    connect(txtBuscar, &QLineEdit::returnPressed, this, &frmArbol::BuscarSiguiente);
    connect(arbol->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        IrALineaElegida();
        MostrarBotones();
    });
    const std::pair<QPushButton *, std::function<void()>> acciones[] = {
        {cmdCambiarSiNo, [this] { this->modelo.CambiarSiNo(LineaElegida()); }},
        {cmdQuitarObjeto, [this] { this->modelo.QuitarObjeto(LineaElegida()); }},
        {cmdVolver, [this] { this->modelo.VolverA(LineaElegida()); }}};
    for (const auto &[boton, accion] : acciones)
        connect(boton, &QPushButton::clicked, this, [this, accion = accion] {
            if (this->completarEdicion())
                accion();
        });
    connect(new QShortcut(AtajoVolver, this), &QShortcut::activated, this, [this] {
        if (this->completarEdicion())
            this->modelo.Volver();
    });
    const Documento &documento = modelo.Doc();
    connect(&documento, &Documento::EstructuraCambiada, this, &frmArbol::Reconstruir);
    connect(&documento, &Documento::Reemplazada, this, &frmArbol::Reemplazada);
    connect(&documento, &Documento::TextoCambiado, this, &frmArbol::MostrarTexto);
    connect(&modelo, &ModeloElTarvo::NombreCambiado, this, &frmArbol::MostrarTitulo);
    const Juego &juego = modelo.ElJuego();
    for (auto senal : {&Juego::FaseCambiada, &Juego::FilaCambiada})
        connect(&juego, senal, this, [this] {
            MostrarCamino();
            MostrarBotones();
        });

    MostrarTitulo();
    Reconstruir();
    arbol->expandToDepth(0);
}

int frmArbol::LineaElegida() const
{
    return arbol->currentIndex().siblingAtColumn(0).data(ModeloArbol::LineaRol).toInt();
}

void frmArbol::MostrarTitulo()
{
    // The name of the file on view, as the main window's caption gives it (NomArch names only a new document's).
    setWindowTitle(QStringLiteral("Árbol - ") + NombreArchivoParaTitulo(modelo.Doc().RutaArch()));
}

void frmArbol::Reconstruir(int elegir)
{
    std::set<int> abiertas;
    for (int linea = 1; linea <= BaseConocimiento::MaxLineas; ++linea)
        if (const QModelIndex fila = modeloArbol.IndiceDeLinea(linea); fila.isValid() && arbol->isExpanded(fila))
            abiertas.insert(linea);
    const int elegida = elegir ? elegir : LineaElegida();
    // The matches counted were those of the base as it was.
    lblCoincidencias->clear();
    {
        // The row chosen here is no choice of the user's: the main window goes on showing what it showed.
        QScopedValueRollback<bool> sinSaltos(reconstruyendo, true);
        modeloArbol.Reconstruir();
        for (int linea : abiertas)
            arbol->expand(modeloArbol.IndiceDeLinea(linea));
        const QModelIndex fila = modeloArbol.IndiceDeLinea(elegida);
        for (QModelIndex padre = fila.parent(); padre.isValid(); padre = padre.parent())
            arbol->expand(padre);
        arbol->setCurrentIndex(fila);
        arbol->scrollTo(fila);
    }
    MostrarCamino();
    MostrarBotones();
}

void frmArbol::Reemplazada()
{
    txtBuscar->clear();
    Reconstruir(1);
}

void frmArbol::MostrarCamino()
{
    const bool enJuego = !modelo.FueraDeJuego();
    modeloArbol.PonerCamino(enJuego ? modelo.ElJuego().Camino() : QList<int>());
    if (enJuego)
        arbol->scrollTo(modeloArbol.IndiceDeLinea(modelo.ElJuego().LineaActual()));
}

void frmArbol::MostrarBotones()
{
    const int clase = arbol->currentIndex().siblingAtColumn(0).data(ModeloArbol::ClaseRol).toInt();
    const bool elegida = arbol->currentIndex().isValid();
    cmdCambiarSiNo->setEnabled(elegida && clase == ModeloArbol::Pregunta && modelo.PuedeCambiarSiNo(LineaElegida()));
    cmdQuitarObjeto->setEnabled(elegida && clase == ModeloArbol::Objeto && modelo.PuedeQuitarObjeto(LineaElegida()));
    // The row where the line is shown expanded: the one that the path marks.
    const bool enCamino =
        arbol->currentIndex().siblingAtColumn(0).data(ModeloArbol::MarcaRol).toInt() == ModeloArbol::EnCamino;
    cmdVolver->setEnabled(elegida && enCamino && modelo.PuedeVolverA(LineaElegida()));
    historia->setEnabled(modelo.PuedeCambiarBase());
}

void frmArbol::MostrarTexto(int linea)
{
    lblCoincidencias->clear();
    modeloArbol.TextoCambiado(linea);
}

QToolButton *frmArbol::CrearBotonDeHistoria(QAction *accion, const char *nombre, std::function<void()> orden)
{
    // The stack's own undo() or redo() would act before the edit is complete and in any phase.
    disconnect(accion, &QAction::triggered, &modelo.Doc().Historia(), nullptr);
    connect(accion, &QAction::triggered, this, [this, orden = std::move(orden)] {
        if (completarEdicion())
            orden();
    });
    addAction(accion);
    auto *boton = new QToolButton(this);
    boton->setObjectName(QLatin1String(nombre));
    boton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    boton->setDefaultAction(accion);
    return boton;
}

void frmArbol::IrALineaElegida()
{
    const int linea = LineaElegida();
    if (reconstruyendo || !modelo.FueraDeJuego() || linea == 0 || !completarEdicion())
        return;
    modelo.Cajas().RegistroEditado(QString::number(linea));
    modelo.Cajas().Validar();
}

void frmArbol::BuscarSiguiente()
{
    // The search reads the base with the main window's edit in it.
    if (!completarEdicion())
        return;
    const QModelIndexList encontradas = modeloArbol.Buscar(txtBuscar->text());
    lblCoincidencias->setText(encontradas.isEmpty()     ? QStringLiteral("Ninguna coincidencia")
                              : encontradas.size() == 1 ? QStringLiteral("1 coincidencia")
                                                        : QStringLiteral("%1 coincidencias").arg(encontradas.size()));
    if (encontradas.isEmpty())
        return;
    // The next match below the selected row, top to bottom as the tree reads, round to the first.
    const QList<int> actual = Posicion(arbol->currentIndex());
    const auto despues = std::find_if(encontradas.begin(), encontradas.end(),
                                      [&](const QModelIndex &fila) { return Posicion(fila) > actual; });
    const QModelIndex siguiente = despues == encontradas.end() ? encontradas.first() : *despues;
    for (QModelIndex padre = siguiente.parent(); padre.isValid(); padre = padre.parent())
        arbol->expand(padre);
    arbol->setCurrentIndex(siguiente);
    arbol->scrollTo(siguiente);
}
