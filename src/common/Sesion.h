#pragma once
#include <QString>

// Who is logged in, and the permission check every screen asks.
namespace sesion {
int IdUsuario();
void setIdUsuario(int id);
// True when the logged-in user holds the module (a row in tblrel_permisos). Reads the
// database every time; nothing is cached.
bool TienePermiso(int modulo);
bool TienePermiso(int usuario, int modulo);
// The name of this station (counter), to keep the per-station work in progress apart
// when several counters share one database: REFACCIONARIA_ESTACION, else the host name.
QString estacion();
}  // namespace sesion
