#include "tools/Demo.h"

#include <QStandardPaths>

namespace demo {
QString carpetaDemostracion() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/KAVO_Refaccionaria_Demo";
}
bool crearTienda(const QString&, QString*) {
    return true;
}
}  // namespace demo
