#include "common/Dialogos.h"

Dialogos& dialogos() {
    static Dialogos d;
    return d;
}
