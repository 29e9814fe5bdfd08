#include "common/Sesion.h"

#include <QSysInfo>

#include "db/Sql.h"

namespace sesion {
namespace {
int g_usuario = 0;
}
int IdUsuario() {
    return g_usuario;
}
void setIdUsuario(int id) {
    g_usuario = id;
}
bool TienePermiso(int modulo) {
    return TienePermiso(g_usuario, modulo);
}
bool TienePermiso(int usuario, int modulo) {
    db::Consulta q("select * from tblrel_permisos where usuario = :usuario and modulo = :modulo");
    q.bind("usuario", usuario).bind("modulo", modulo);
    QString e;
    if (!q.abrir(&e)) return false;
    return !q.vacia();
}
QString estacion() {
    QString e = qEnvironmentVariable("REFACCIONARIA_ESTACION");
    return e.isEmpty() ? QSysInfo::machineHostName() : e;
}
}  // namespace sesion
