#include "recorrido.h"

namespace {
enum Estado : char { SinEntrar = 0, EnElCamino = 1, Terminada = 2 };
} // namespace

void RecorrerArbol(const BaseConocimiento &base, int desde, std::vector<char> &estado,
                   const std::function<void(const Camino &camino)> &alEntrar,
                   const std::function<void(const Camino &camino, bool si, int destino, TipoDeEnlace tipo)> &alSeguir)
{
    if (!base.Existe(desde) || estado[desde] != SinEntrar)
        return;
    Camino camino{desde};
    std::vector<int> ramas{0};
    estado[desde] = EnElCamino;
    alEntrar(camino);
    while (!camino.empty()) {
        const int linea = camino.back();
        const int rama = ramas.back()++;
        if (rama == 2 || !base.EsPregunta(linea)) {
            estado[linea] = Terminada;
            camino.pop_back();
            ramas.pop_back();
            continue;
        }
        const bool si = rama == 0;
        const int destino = base.Enlace(linea, si);
        const TipoDeEnlace tipo = !base.Existe(destino)           ? TipoDeEnlace::Inexistente
                                  : estado[destino] == EnElCamino ? TipoDeEnlace::EnCamino
                                  : estado[destino] == Terminada  ? TipoDeEnlace::Visto
                                                                  : TipoDeEnlace::Nuevo;
        if (alSeguir)
            alSeguir(camino, si, destino, tipo);
        if (tipo == TipoDeEnlace::Nuevo) {
            camino.push_back(destino);
            ramas.push_back(0);
            estado[destino] = EnElCamino;
            alEntrar(camino);
        }
    }
}
