#include "common/Inventario.h"

#include "db/Clock.h"
#include "db/Dialect.h"
#include "db/Sql.h"

namespace inventario {
void registrarValorMercancias() {
    db::ejecutar(
        "insert into tbl_hist_mercancias (familia, total, fecha) select familia, total, :ahora as fecha "
        "from View_App_Mercancias",
        {{"ahora", dialecto::fecha(reloj::ahora())}});
}
}  // namespace inventario
