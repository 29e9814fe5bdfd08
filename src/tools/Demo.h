#pragma once
#include <QString>

// The demonstration store: a separate data folder with a small, realistic, always equal
// catalogue and history, so that a newcomer can try every screen without touching a
// store's real data.
namespace demo {
QString carpetaDemostracion();  // where --demo puts it (never the store's own folder)
// Creates (or re-creates) the demonstration database in `carpeta`. Returns false with
// the reason on failure. Refuses the store's own default folder and any folder whose
// database is not a demonstration one. On success the data folder is `carpeta` and the
// connection is closed, ready for the program to open it as usual.
bool crearTienda(const QString& carpeta, QString* error);

// The row of tbl_app_configuracion that marks a demonstration database.
constexpr int kIdMarcaDemostracion = 900;
inline constexpr char kMarcaDemostracion[] = "Tienda de demostración";
// True when the database file carries the demonstration mark (read-only look).
bool esDemostracion(const QString& archivoBaseDatos);
}  // namespace demo
