#include "app/Arranque.h"

int main(int argc, char** argv) {
    return app::ejecutar(argc, argv);
}
