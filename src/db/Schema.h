#pragma once
#include <QSqlDatabase>
#include <QString>

// The database of the system: tables, views, indexes and the seed rows of a new store.
// A version number kept in tbl_app_esquema lets a later release upgrade a store's file
// in place, one step per version.
namespace esquema {

constexpr int kVersionActual = 1;

// Creates the schema in an empty database, or upgrades an older one. Refuses a database
// that holds tables but is not one of this system. Returns false with the engine's
// message on failure.
bool preparar(QSqlDatabase& db, bool* creada, QString* error);

// The tables every new database has, in creation order (used by tests and tools).
QStringList tablas();
QStringList vistas();

}  // namespace esquema
