#pragma once
#include <QString>

// The demonstration store: a separate data folder with a small, realistic, always equal
// catalogue and history, so that a newcomer can try every screen without touching a
// store's real data.
namespace demo {
QString carpetaDemostracion();  // where --demo puts it (never the store's own folder)
// Creates (or re-creates) the demonstration database in `carpeta`. Returns false with
// the reason on failure.
bool crearTienda(const QString& carpeta, QString* error);
}  // namespace demo
