#include "pos/Ticket.h"

#include <QHeaderView>
#include <QTableWidget>

#include "common/Formats.h"
#include "common/Sesion.h"
#include "db/Sql.h"

namespace pos {

namespace {
struct ColumnaGrid {
    const char* caption;
    int ancho;
};
const ColumnaGrid kColumnas[Ticket::NumColumnas] = {
    {"No.", 30}, {"Clave", 40},  {"Cant.", 30},   {"Parte", 190}, {"Marca", 100}, {"Modelo", 100},
    {"Año", 70}, {"Precio", 64}, {"Importe", 64}, {"Precio", 0},  {"costo", 0},   {"Tipo", 0},
};
const int kAltoRenglon = 17;

void tomar(int producto, int cantidad) {
    db::ejecutar("update tblcat_productos set existencia = existencia - :q where id = :id",
                 {{"q", cantidad}, {"id", producto}});
}
void devolver(int producto, int cantidad) {
    db::ejecutar("update tblcat_productos set existencia = (existencia + :q) where id = :id",
                 {{"q", cantidad}, {"id", producto}});
}
}  // namespace

int cantidadDe(const QString& texto) {
    bool ok = false;
    int q = formato::leerEntero(texto, &ok);
    if (!ok) throw db::SqlError(formato::errorConversion(texto));
    return q;
}

Ticket::Ticket(QTableWidget* grid, QObject* parent)
    : QObject(parent), grid_(grid), estacion_(sesion::estacion()) {
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(kAltoRenglon);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The column widths are the ticket's own (30 for "Cant.", 64 for amounts): a compact
    // font keeps amounts such as $12,345.67 whole in them.
    QFont f = grid_->font();
    f.setPixelSize(11);
    grid_->setFont(f);
    grid_->horizontalHeader()->setFont(f);
    reiniciarGrid();
}

bool Ticket::tomaExistencia(const LineaTicket& l) {
    return l.clave != 0 && !l.marca.isEmpty() && !l.modelo.isEmpty();
}

void Ticket::reiniciarGrid() {
    grid_->clear();
    grid_->setColumnCount(NumColumnas);
    grid_->setRowCount(2);
    QStringList captions;
    for (int c = 0; c < NumColumnas; ++c) {
        const QString caption = QString::fromUtf8(kColumnas[c].caption);
        captions << caption;
        grid_->setItem(0, c, new QTableWidgetItem(caption));
        if (kColumnas[c].ancho == 0) {
            grid_->setColumnHidden(c, true);
        } else {
            grid_->setColumnHidden(c, false);
            grid_->setColumnWidth(c, kColumnas[c].ancho);
        }
    }
    grid_->setHorizontalHeaderLabels(captions);
    grid_->setRowHidden(0, true);  // the header shows the captions
    for (int r = 0; r < 2; ++r) grid_->setRowHeight(r, kAltoRenglon);
    grid_->setItem(1, ColNo, new QTableWidgetItem("1"));
    grid_->setCurrentCell(1, ColClave);
    total_ = 0;
    sinTotal_ = true;
}

void Ticket::InicializarTicket() {
    // The grid first: after a stored sale its lines must leave the screen even if the
    // clean-up below fails (the sale already removed them from the pending table).
    reiniciarGrid();
    avisarTotal();
    db::ejecutar("delete from tbltmp_ticketpendiente where Estacion = :e", {{"e", estacion_}});
}

int Ticket::lineas() const {
    return qMax(0, grid_->rowCount() - 2);
}

bool Ticket::pendiente() const {
    return grid_->rowCount() > 2;
}

QString Ticket::textoTotal() const {
    return sinTotal_ ? QString() : formato::moneda(total_);
}

int Ticket::renglonSeleccionado() const {
    int r = grid_->currentRow();
    return (r >= 1 && r <= lineas()) ? r : 0;
}

LineaTicket Ticket::linea(int r) const {
    LineaTicket l;
    if (r < 1 || r > lineas()) return l;
    auto celda = [&](int c) {
        QTableWidgetItem* it = grid_->item(r, c);
        return it ? it->text() : QString();
    };
    l.clave = celda(ColClave).toInt();
    l.cantidad = celda(ColCant);
    l.parte = celda(ColParte);
    l.marca = celda(ColMarca);
    l.modelo = celda(ColModelo);
    l.ano = celda(ColAno);
    l.precio = celda(ColPrecioOculto).toDouble();
    l.costo = celda(ColCosto).toDouble();
    l.tipo = celda(ColTipo);
    QTableWidgetItem* clave = grid_->item(r, ColClave);
    l.tomoExistencia = clave && clave->data(Qt::UserRole).toBool();
    return l;
}

QList<LineaTicket> Ticket::todas() const {
    QList<LineaTicket> v;
    for (int r = 1; r <= lineas(); ++r) v << linea(r);
    return v;
}

void Ticket::escribir(int fila, const LineaTicket& l) {
    const int q = cantidadDe(l.cantidad);
    auto poner = [&](int c, const QString& t) { grid_->setItem(fila, c, new QTableWidgetItem(t)); };
    poner(ColClave, QString::number(l.clave));
    grid_->item(fila, ColClave)->setData(Qt::UserRole, l.tomoExistencia);
    poner(ColCant, l.cantidad);
    poner(ColParte, l.parte);
    poner(ColMarca, l.marca);
    poner(ColModelo, l.modelo);
    poner(ColAno, l.ano);
    poner(ColPrecio, formato::moneda(l.precio));
    poner(ColImporte, formato::moneda(q * l.precio));
    poner(ColPrecioOculto, formato::decimal(l.precio));
    poner(ColCosto, formato::decimal(l.costo));
    poner(ColTipo, l.tipo);
}

void Ticket::numerar() {
    for (int r = 1; r < grid_->rowCount(); ++r) {
        grid_->setItem(r, ColNo, new QTableWidgetItem(QString::number(r)));
        grid_->setRowHeight(r, kAltoRenglon);
    }
}

void Ticket::avisarTotal() {
    emit totalCambio(total_);
}

void Ticket::agregar(const LineaTicket& linea) {
    LineaTicket l = linea;
    const int q = cantidadDe(l.cantidad);
    l.tomoExistencia = tomaExistencia(l);
    const int renglon = lineas() + 1;

    // The stock and the pending line move together, or not at all.
    {
        db::Transaccion t;
        if (l.tomoExistencia) tomar(l.clave, q);
        db::ejecutar(
            "insert into tbltmp_ticketpendiente (Estacion, Renglon, Producto, Cantidad, Parte, Marca, "
            "Modelo, "
            "Ano, Precio, Costo, Tipo, TomoExistencia) values (:e, :r, :p, :q, :parte, :marca, :modelo, "
            ":ano, "
            ":precio, :costo, :tipo, :tomo)",
            {{"e", estacion_},
             {"r", renglon},
             {"p", l.clave},
             {"q", l.cantidad},
             {"parte", l.parte},
             {"marca", l.marca},
             {"modelo", l.modelo},
             {"ano", l.ano},
             {"precio", l.precio},
             {"costo", l.costo},
             {"tipo", l.tipo},
             {"tomo", l.tomoExistencia ? 1 : 0}});
        t.confirmar();
    }

    escribir(renglon, l);
    total_ += q * l.precio;
    sinTotal_ = false;
    grid_->setRowCount(renglon + 2);
    numerar();
    grid_->setCurrentCell(renglon + 1, ColClave);
    avisarTotal();
}

void Ticket::quitar(int renglon) {
    if (renglon < 1 || renglon > lineas()) return;
    const LineaTicket l = linea(renglon);
    bool ok = false;
    const int q = formato::leerEntero(l.cantidad, &ok);
    {
        db::Transaccion t;
        if (l.tomoExistencia && ok) devolver(l.clave, q);
        db::ejecutar("delete from tbltmp_ticketpendiente where Estacion = :e and Renglon = :r",
                     {{"e", estacion_}, {"r", renglon}});
        db::ejecutar(
            "update tbltmp_ticketpendiente set Renglon = Renglon - 1 where Estacion = :e and Renglon > :r",
            {{"e", estacion_}, {"r", renglon}});
        t.confirmar();
    }

    total_ -= (ok ? q : 0) * l.precio;
    grid_->removeRow(renglon);  // the following lines move up; numbering is redone below
    numerar();
    if (lineas() == 0) total_ = 0;  // no float residue on an empty ticket
    sinTotal_ = false;
    grid_->setCurrentCell(qMin(renglon, grid_->rowCount() - 1), ColClave);
    avisarTotal();
}

void Ticket::quitarTodas() {
    {
        db::Transaccion t;
        for (const LineaTicket& l : todas()) {
            bool ok = false;
            const int q = formato::leerEntero(l.cantidad, &ok);
            if (l.tomoExistencia && ok) devolver(l.clave, q);
        }
        db::ejecutar("delete from tbltmp_ticketpendiente where Estacion = :e", {{"e", estacion_}});
        t.confirmar();
    }
    reiniciarGrid();
    avisarTotal();
}

int Ticket::restaurarPendiente() {
    db::Consulta q("select * from tbltmp_ticketpendiente where Estacion = :e order by Renglon, Id");
    q.bind("e", estacion_);
    q.abrir();
    reiniciarGrid();
    QList<qlonglong> ids;
    for (bool hay = q.primero(); hay; hay = q.siguiente()) {
        LineaTicket l;
        l.clave = q.entero("Producto");
        l.cantidad = q.texto("Cantidad");
        l.parte = q.texto("Parte");
        l.marca = q.texto("Marca");
        l.modelo = q.texto("Modelo");
        l.ano = q.texto("Ano");
        l.precio = q.real("Precio");
        l.costo = q.real("Costo");
        l.tipo = q.texto("Tipo");
        l.tomoExistencia = q.logico("TomoExistencia");
        ids << q.largo("Id");
        const int n = int(ids.size());
        grid_->setRowCount(n + 2);
        escribir(n, l);
        total_ += cantidadDe(l.cantidad) * l.precio;
        sinTotal_ = false;
    }
    const int n = int(ids.size());
    if (n > 0) {
        numerar();
        // Keep the stored line numbers equal to the rows shown.
        db::Transaccion t;
        for (int i = 0; i < n; ++i)
            db::ejecutar("update tbltmp_ticketpendiente set Renglon = :r where Id = :id",
                         {{"r", i + 1}, {"id", ids[i]}});
        t.confirmar();
        grid_->setCurrentCell(n + 1, ColClave);
    }
    avisarTotal();
    return n;
}

}  // namespace pos
