#include "disposicion.h"

#include <cstring>
#include <iterator>

namespace {

// clang-format off
const Lugar Lugares[] = {
    {"fraObjeto1", nullptr, Lugar::Marco, {0, 0, 3375, 1695}, "Objeto 1 (nuevo)"},
    {"txtObjeto1", "fraObjeto1", Lugar::Caja, {120, 240, 3135, 1335}, ""},
    {"fraObjeto2", nullptr, Lugar::Marco, {0, 1680, 3375, 1695}, "Objeto 2"},
    {"txtObjeto2", "fraObjeto2", Lugar::Caja, {120, 240, 3135, 1335}, ""},
    {"fraPreguntaUsr", nullptr, Lugar::Marco, {0, 3360, 3375, 1695}, "Pregunta / Edición"},
    {"txtPreguntaUsr", "fraPreguntaUsr", Lugar::Caja, {120, 240, 3135, 1335}, ""},
    {"lblTituloTvo", nullptr, Lugar::Etiqueta, {0, 5160, 3375, 255}, ""},
    {"txtTipoObjeto", nullptr, Lugar::Caja, {0, 5535, 3375, 1665}, ""},
    {"RichTextBox1", nullptr, Lugar::Visor, {3480, 120, 4455, 3255}, ""},
    {"cmdArrFirst", nullptr, Lugar::Boton, {3480, 3480, 450, 255}, "| <"},
    {"cmdArrIzq", nullptr, Lugar::Boton, {4125, 3480, 450, 255}, "<"},
    {"lblL", nullptr, Lugar::Etiqueta, {4665, 3510, 195, 255}, "L"},
    {"txtRegistro", nullptr, Lugar::Numero, {4920, 3480, 495, 285}, "0"},
    {"txtValorSi", nullptr, Lugar::Numero, {5520, 3480, 495, 285}, "0"},
    {"txtValorNo", nullptr, Lugar::Numero, {6105, 3480, 495, 285}, "0"},
    {"cmdArrDer", nullptr, Lugar::Boton, {6780, 3480, 450, 255}, ">"},
    {"cmdArrLast", nullptr, Lugar::Boton, {7485, 3480, 450, 255}, "> |"},
    {"cmdSi", nullptr, Lugar::Boton, {3480, 3840, 855, 495}, "&Si"},
    {"lblNoComillas", nullptr, Lugar::Etiqueta, {4440, 3840, 1095, 495}, "ElTarvo v3.2 - 2015"},
    {"lblHelp", nullptr, Lugar::Etiqueta, {5640, 3825, 3855, 390},
     "Especifique unos 5 objetos iniciales más o menos, con sus preguntas que serán sus categorias."},
    {"cmdNo", nullptr, Lugar::Boton, {3480, 4440, 855, 495}, "&No"},
    {"cmdJugar", nullptr, Lugar::BotonConDibujo, {4440, 4320, 1095, 735}, "Jugar"},
    {"cmdParar", nullptr, Lugar::BotonConDibujo, {5640, 4440, 855, 615}, "Parar"},
    {"cmdAyuda", nullptr, Lugar::BotonConDibujo, {6600, 4440, 855, 615}, "Help"},
    {"cmdVocab", nullptr, Lugar::BotonConDibujo, {7560, 4440, 855, 615}, "Vocab"},
    {"cmdSalir", nullptr, Lugar::BotonConDibujo, {8520, 4320, 1095, 735}, "Salir"},
    {"lblNomArchTvo", nullptr, Lugar::Etiqueta, {3480, 5160, 3015, 975}, ""},
    {"Label1", nullptr, Lugar::Etiqueta, {3480, 6225, 3000, 960},
     "Puede crear un archivo en formato de escalera, es decir, sin ramificaciones (responder 'No' solamente y al "
     "final 'default') - Máx. 32766 carac. por objeto."},
    {"txtCarac", nullptr, Lugar::Caja, {6600, 5175, 3015, 1995}, ""},
    {"cmdCrearArchTvo", nullptr, Lugar::BotonConDibujo, {8040, 120, 1575, 735}, "Nuevo"},
    {"cmdTvoDeDisco", nullptr, Lugar::BotonConDibujo, {8040, 960, 1575, 735}, "Abrir..."},
    {"fraGuardar", nullptr, Lugar::Marco, {8040, 1800, 1575, 1695}, "Guardar TVO"},
    {"cmdGuardar", "fraGuardar", Lugar::BotonConDibujo, {120, 240, 1335, 615}, "Guardar"},
    {"cmdGuardarComo", "fraGuardar", Lugar::BotonConDibujo, {120, 960, 1335, 615}, "Guardar como..."},
    {"cmdArbol", nullptr, Lugar::Boton, {8040, 3495, 1575, 330}, "Ár&bol"},
};
// clang-format on

} // namespace

const Lugar *Disposicion(int &cuantos)
{
    cuantos = static_cast<int>(std::size(Lugares));
    return Lugares;
}

const Lugar &LugarDe(const char *nombre)
{
    for (const Lugar &lugar : Lugares)
        if (std::strcmp(lugar.nombre, nombre) == 0)
            return lugar;
    qFatal("no control %s in the layout", nombre);
}
