#include "tools/Demo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVector>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>

#include "common/Formats.h"
#include "common/Inventario.h"
#include "db/Clock.h"
#include "db/DataFolder.h"
#include "db/Dialect.h"
#include "db/Password.h"
#include "db/Sql.h"
#include "tools/DemoDatos.h"

namespace demo {

QString carpetaDemostracion() {
    return datos::carpetaPredeterminada() + "_Demo";
}

namespace {
using namespace datos_fijos;

constexpr uint64_t kSemilla = 20260110;
constexpr double kTipoDeCambio = 17.25;

// The store's own folder when neither --datos nor the environment chooses another.
QString carpetaDeLaTienda() {
    return datos::carpetaPredeterminada();
}

bool mismaCarpeta(const QString& a, const QString& b) {
    QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
#ifdef Q_OS_WIN
    const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
    const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
    return QDir::cleanPath(fa.absoluteFilePath()).compare(QDir::cleanPath(fb.absoluteFilePath()), cs) == 0;
}

bool pareceSqlite(const QString& archivo) {
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

bool borrarBase(const QString& archivo, QString* error) {
    for (const QString& f : {archivo, archivo + "-wal", archivo + "-shm", archivo + "-journal"}) {
        if (QFileInfo::exists(f) && !QFile::remove(f)) {
            if (error) *error = "No se pudo borrar la base de datos de demostración anterior: " + f;
            return false;
        }
    }
    return true;
}

// A small deterministic generator (splitmix64): the same store every time.
class Azar {
  public:
    explicit Azar(uint64_t semilla) : s_(semilla) {}
    uint32_t siguiente() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return uint32_t((z ^ (z >> 31)) >> 32);
    }
    int entre(int a, int b) { return b <= a ? a : a + int(siguiente() % uint32_t(b - a + 1)); }
    double real(double a, double b) { return a + (b - a) * (siguiente() / 4294967296.0); }
    bool cada(int porCiento) { return entre(1, 100) <= porCiento; }

  private:
    uint64_t s_;
};

// Years as the products screen writes them out: "00-05" -> "2000,2001,...,2005"; a two
// digit year y is 2000 + y up to 30, else 1900 + y.
QString anosDesplegados(const QString& ano) {
    auto siglo = [](int y) { return y <= 30 ? 2000 + y : 1900 + y; };
    const int desde = siglo(ano.left(2).toInt()), hasta = siglo(ano.right(2).toInt());
    QStringList r;
    for (int y = desde; y <= hasta; ++y) r << QString::number(y);
    return r.join(',');
}

QString textoAno(int desde, int hasta) {
    return QString("%1-%2").arg(desde % 100, 2, 10, QChar('0')).arg(hasta % 100, 2, 10, QChar('0'));
}

// EAN-13 with its check digit, from twelve digits.
QString ean13(const QString& doce) {
    int suma = 0;
    for (int i = 0; i < 12; ++i) suma += doce[i].digitValue() * (i % 2 ? 3 : 1);
    return doce + QString::number((10 - suma % 10) % 10);
}

// CLABE (18 digits) from bank and branch (6) and account (11), with its check digit.
QString clabe(const QString& banco, const QString& cuenta) {
    const QString s = banco + cuenta;
    static const int pesos[] = {3, 7, 1};
    int suma = 0;
    for (int i = 0; i < 17; ++i) suma += (s[i].digitValue() * pesos[i % 3]) % 10;
    return s + QString::number((10 - suma % 10) % 10);
}

double redondear2(double v) {
    return std::round(v * 100.0) / 100.0;
}

qlonglong insertar(const QString& tabla, const QVariantMap& valores) {
    db::Edicion e = db::Edicion::nueva(tabla);
    for (auto it = valores.cbegin(); it != valores.cend(); ++it) e.set(it.key(), it.value());
    return e.post();
}

// Takes the program's own snapshot statement, dated at a past moment of the history.
void registrarValorEn(const QDateTime& t) {
    db::ejecutar(
        "insert into tbl_hist_mercancias (familia, total, fecha) select familia, total, :fecha as fecha "
        "from View_App_Mercancias",
        {{"fecha", dialecto::fecha(t)}});
}

struct ModeloDb {
    int id;
    int marca;
    int desde, hasta;
};

struct Producto {
    int id;
    int familia;     // tblcat_familias.Id
    int idxFamilia;  // place in kFamilias
    int proveedor;   // 1 or 2
    QString unidad;
    double precio, costo;
    bool dolares;
    double existencia;
};

struct Linea {
    int producto;  // place in productos_
    int cantidad;
    Money precio;
};

// The permissions of the counter user: selling (cash and credit), looking products and
// customers up, taking payments; no catalogue editing, no users.
const int kPermisosMostrador[] = {2, 3, 5, 6, 8, 9, 11, 12, 32, 36, 37, 38, 60};

class Constructor {
  public:
    explicit Constructor(const QDateTime& ahora) : ahora_(ahora), hoy_(ahora.date()) {}

    void crear() {
        configuracion();
        usuarios();
        vehiculos();
        familias();
        proveedores();
        clientes();
        productos();
        historia();
    }

  private:
    Azar azar_{kSemilla};
    QDateTime ahora_;
    QDate hoy_;
    QVector<ModeloDb> modelos_;
    ModeloDb universal_{};
    QVector<int> familias_;
    QHash<QString, int> unidades_;
    QVector<int> proveedores_;
    QVector<int> clientes_;
    QHash<qint64, int> descuentos_;  // (customer place << 32 | family Id) -> per cent
    QVector<Producto> productos_;

    QDateTime momento(int dia, int h, int m) const { return QDateTime(hoy_.addDays(dia), QTime(h, m)); }

    // --- catalogue ------------------------------------------------------------------
    void configuracion() {
        insertar("tbl_app_configuracion",
                 {{"Id", kIdMarcaDemostracion},
                  {"Nombre", QString::fromUtf8(kMarcaDemostracion)},
                  {"Valor", "Datos de ejemplo; se vuelven a crear con la opción --demo"}});
        db::ejecutar("update tblctrl_tipodecambio set TipoCambio = :t", {{"t", kTipoDeCambio}});
        db::Consulta q("select Id, Abreviatura from tbl_app_unidades");
        q.abrir();
        for (bool hay = q.primero(); hay; hay = q.siguiente())
            unidades_[q.texto("Abreviatura")] = q.entero("Id");
    }

    void usuarios() {
        const int id = int(insertar("tblcat_usuarios", {{"Nombre", "Vendedor de Mostrador"},
                                                        {"Usuario", "mostrador"},
                                                        {"Password", contrasena::cifrar("mostrador")}}));
        for (int m : kPermisosMostrador) insertar("tblrel_permisos", {{"Usuario", id}, {"Modulo", m}});
    }

    void vehiculos() {
        auto marca = [&](const Marca& m) {
            const int id = int(insertar("tblcat_marcas", {{"Marca", QString::fromUtf8(m.nombre)}}));
            QVector<ModeloDb> r;
            for (int i = 0; i < m.cuantos; ++i) {
                const int mid = int(insertar(
                    "tblcat_modelos", {{"Marca", id}, {"Modelo", QString::fromUtf8(m.modelos[i].nombre)}}));
                r << ModeloDb{mid, id, m.modelos[i].desde, m.modelos[i].hasta};
            }
            return r;
        };
        for (int i = 0; i < kNumMarcas; ++i) modelos_ += marca(kMarcas[i]);
        universal_ = marca(kUniversal).first();
    }

    void familias() {
        for (int i = 0; i < kNumFamilias; ++i)
            familias_ << int(insertar("tblcat_familias", {{"Familia", QString::fromUtf8(kFamilias[i].nombre)},
                                                          {"Porcentaje", kFamilias[i].porcentaje}}));
    }

    void proveedores() {
        for (int i = 0; i < kNumProveedores; ++i) {
            const Proveedor& p = kProveedores[i];
            proveedores_ << int(
                insertar("tblcat_proveedores", {{"Nombre", QString::fromUtf8(p.nombre)},
                                                {"NombreFiscal", QString::fromUtf8(p.nombreFiscal)},
                                                {"RFC", p.rfc},
                                                {"Direccion", QString::fromUtf8(p.direccion)},
                                                {"DireccionComercial", QString::fromUtf8(p.direccion)},
                                                {"Ciudad", QString::fromUtf8(p.ciudad)},
                                                {"CP", p.cp},
                                                {"Telefono1", p.telefono},
                                                {"Contacto_Nombre", QString::fromUtf8(p.contacto)},
                                                {"Contacto_Celular", p.celular},
                                                {"Email", p.correo},
                                                {"DiasCredito", p.dias},
                                                {"LimiteCredito", Money().toVariant()},
                                                {"Banco", p.banco},
                                                {"Cuenta", p.cuenta},
                                                {"CLABE", clabe(p.clabeBanco, p.cuenta)}}));
        }
    }

    void clientes() {
        static const int kPorcentajes[] = {0, 5, 8, 10, 12, 15};
        for (int i = 0; i < kNumClientes; ++i) {
            const Cliente& c = kClientes[i];
            const QString direccion = QString::fromUtf8(c.calle) + " " + c.numero;
            const int id =
                int(insertar("tblcat_clientes", {{"Nombre", QString::fromUtf8(c.nombre)},
                                                 {"NombreFiscal", QString::fromUtf8(c.nombreFiscal)},
                                                 {"RFC", c.rfc},
                                                 {"Direccion", direccion},
                                                 {"Colonia", QString::fromUtf8(c.colonia)},
                                                 {"CP", c.cp},
                                                 {"Telefono1", c.telefono},
                                                 {"Email", c.correo},
                                                 {"Contacto_Nombre", QString::fromUtf8(c.contacto)},
                                                 {"Contacto_Celular", c.celular},
                                                 {"DireccionComercial", QString::fromUtf8(c.calle)},
                                                 {"Numero", c.numero},
                                                 {"ColoniaFac", QString::fromUtf8(c.colonia)},
                                                 {"CPFAC", c.cp},
                                                 {"Ciudad", QString::fromUtf8(c.ciudad)},
                                                 {"EstadoFAC", QString::fromUtf8(c.estado)},
                                                 {"Calle", QString::fromUtf8(c.calle)},
                                                 {"Estado", QString::fromUtf8(c.estado)},
                                                 {"CiudadFAC", QString::fromUtf8(c.ciudad)},
                                                 {"Pais", "MEXICO"},
                                                 {"TipoDescuento", c.tipoDescuento},
                                                 {"Porcentaje", c.porcentaje},
                                                 {"Credito", c.credito ? 1 : 0},
                                                 {"LimiteCredito", Money::fromDouble(c.limite).toVariant()},
                                                 {"DiasCredito", c.dias},
                                                 {"Bloqueado", c.bloqueado ? 1 : 0}}));
            clientes_ << id;
            if (c.tipoDescuento != 3) continue;
            // One row per family, as the customer screen creates them.
            for (int f : std::as_const(familias_)) {
                const int pct = kPorcentajes[azar_.entre(0, 5)];
                descuentos_[(qint64(i) << 32) | f] = pct;
                insertar("tblctrl_descuentos", {{"Cliente", id}, {"Familia", f}, {"Porcentaje", pct}});
            }
        }
    }

    // A span of `minimo`..`maximo` years within the model's own years.
    QString span(const ModeloDb& m, int minimo, int maximo) {
        const int largo = azar_.entre(minimo, maximo);
        const int desde = azar_.entre(m.desde, std::max(m.desde, m.hasta - largo + 1));
        return textoAno(desde, std::min(m.hasta, desde + largo - 1));
    }

    void productos() {
        QSet<QString> codigos;
        for (int f = 0; f < kNumFamilias; ++f) {
            const Familia& fam = kFamilias[f];
            for (int t = 0; t < fam.cuantas; ++t) {
                const Plantilla& pl = fam.plantillas[t];
                if (pl.vehiculos == 0) {
                    producto(f, pl, universal_, "90-26", codigos);
                    continue;
                }
                QSet<int> usados;
                for (int v = 0; v < pl.vehiculos; ++v) {
                    int m;
                    do m = azar_.entre(0, int(modelos_.size()) - 1);
                    while (usados.contains(m));
                    usados.insert(m);
                    const int id = producto(f, pl, modelos_[m], span(modelos_[m], 3, 8), codigos);
                    if (!azar_.cada(35)) continue;
                    // The same part fits other vehicles too (at most ten years each, the
                    // longest written-out list a fitment holds).
                    const int otros = azar_.entre(1, 2);
                    for (int k = 0; k < otros; ++k) {
                        int o;
                        do o = azar_.entre(0, int(modelos_.size()) - 1);
                        while (o == m);
                        const QString ano = span(modelos_[o], 2, 6);
                        insertar("tblcat_semejantes", {{"Producto", id},
                                                       {"Marca", modelos_[o].marca},
                                                       {"Modelo", modelos_[o].id},
                                                       {"Ano", ano},
                                                       {"AnoDesplegado", anosDesplegados(ano)}});
                    }
                }
            }
        }
    }

    int producto(int f, const Plantilla& pl, const ModeloDb& modelo, const QString& ano,
                 QSet<QString>& codigos) {
        const Familia& fam = kFamilias[f];
        double costo = pl.vehiculos == 0 ? pl.costo
                       : pl.costo > 0    ? azar_.real(pl.costo, pl.costo * 1.8)
                                         : azar_.real(fam.costoMin, fam.costoMax);
        const bool dolares = fam.dolares > 0 && azar_.cada(fam.dolares);
        const double margen = 1.0 + (fam.porcentaje + azar_.entre(0, 15)) / 100.0;
        double precio;
        if (dolares) {
            costo = redondear2(costo / kTipoDeCambio);
            precio = redondear2(costo * margen);
        } else {
            costo = std::round(costo * 2.0) / 2.0;
            precio = std::ceil(costo * margen / 5.0) * 5.0;
        }
        const double enPesos = dolares ? costo * kTipoDeCambio : costo;
        int minimo, maximo;
        if (enPesos < 150) {
            minimo = azar_.entre(4, 8);
            maximo = minimo + azar_.entre(8, 16);
        } else if (enPesos < 800) {
            minimo = azar_.entre(1, 3);
            maximo = minimo + azar_.entre(3, 6);
        } else {
            minimo = 1;
            maximo = azar_.entre(2, 4);
        }
        const int existencia = azar_.cada(8) ? 0 : azar_.entre(0, maximo + 2);
        QString codigo;
        do codigo = QString("%1-%2").arg(fam.clave).arg(azar_.entre(1000, 9999));
        while (codigos.contains(codigo));
        codigos.insert(codigo);

        const int id = db::siguienteConsecutivo("IdProductos");
        const QString barras =
            azar_.cada(95) ? ean13(QString("75010423%1").arg(id, 4, 10, QChar('0'))) : QString();
        insertar("tblcat_productos", {{"Id", id},
                                      {"Parte", QString::fromUtf8(pl.parte)},
                                      {"Familia", familias_[f]},
                                      {"Marca", modelo.marca},
                                      {"Modelo", modelo.id},
                                      {"Ano", ano},
                                      {"AnoDesplegado", anosDesplegados(ano)},
                                      {"CodigoParte", codigo},
                                      {"CodigoDeBarras", barras},
                                      {"Costo1", costo},
                                      {"Precio1", precio},
                                      {"Moneda", dolares ? QString::fromUtf8("Dólares") : QString("Pesos")},
                                      {"Minimo", double(minimo)},
                                      {"Maximo", double(maximo)},
                                      {"Existencia", double(existencia)},
                                      {"Bodega_Linea", fam.linea},
                                      {"Bodega_Anaquel", QString::number(azar_.entre(1, 12))},
                                      {"Bodega_Nivel", QString::number(azar_.entre(1, 5))},
                                      {"Proveedor", proveedores_[fam.proveedor - 1]},
                                      {"Unidad", unidades_.value(pl.unidad)},
                                      {"IVA", 0},
                                      {"Bloqueado", 0},
                                      {"Comision", 0}});
        productos_ << Producto{id,     familias_[f], f,       fam.proveedor,     pl.unidad,
                               precio, costo,        dolares, double(existencia)};
        return id;
    }

    // --- documents ------------------------------------------------------------------
    // The unit price the sales screen gives the product for the customer's discount
    // scheme (no customer: the list price), in pesos.
    double precioPara(const Producto& p, int cliente) const {
        double P = p.precio;
        if (cliente >= 0) {
            const Cliente& c = kClientes[cliente];
            if (c.tipoDescuento == 1 && c.porcentaje > 0)
                P = p.precio * (100 - c.porcentaje) / 100.0;
            else if (c.tipoDescuento == 2)
                P = p.costo * (c.porcentaje / 100.0 + 1);
            else
                P = p.precio * (100 - descuentos_.value((qint64(cliente) << 32) | p.familia, 0)) / 100.0;
        }
        if (p.dolares) P *= kTipoDeCambio;
        return P;
    }

    int cantidadTipica(const Producto& p) {
        if (QString::fromUtf8(kFamilias[p.idxFamilia].nombre) == "BUJIAS") return 4;
        if (p.unidad == "LT") return azar_.cada(50) ? 4 : 1;
        return azar_.cada(12) ? 2 : 1;
    }

    // Lines drawn from the products in stock, the total within `tope` when one is given.
    // `llenar` keeps adding lines until the total reaches at least 85% of the ceiling.
    QVector<Linea> elegir(int cliente, int renglones, Money tope = Money(), bool llenar = false) {
        QVector<Linea> r;
        QSet<int> usados;
        Money total;
        for (int intento = 0; intento < 600 && r.size() < renglones; ++intento) {
            const int i = azar_.entre(0, int(productos_.size()) - 1);
            const Producto& p = productos_[i];
            const int q = cantidadTipica(p);
            if (usados.contains(i) || p.existencia < q) continue;
            const Money precio = Money::fromDouble(precioPara(p, cliente));
            if (!tope.isZero() && total + precio * q > tope) continue;
            r << Linea{i, q, precio};
            usados.insert(i);
            total += precio * q;
            if (llenar && total.units() * 100 >= tope.units() * 85) break;
        }
        return r;
    }

    // A credit sale of about `importe`.
    void ventaCredito(const QDateTime& t, int cliente, Money importe) {
        venta(t, cliente, elegir(cliente, 10, importe, true));
    }

    static Money totalDe(const QVector<Linea>& lineas) {
        Money t;
        for (const Linea& l : lineas) t += l.precio * l.cantidad;
        return t;
    }

    void moverExistencia(int i, int delta) {
        productos_[i].existencia += delta;
        db::ejecutar("update tblcat_productos set Existencia = Existencia + :d where Id = :id",
                     {{"d", delta}, {"id", productos_[i].id}});
    }

    Money adeudo(int cliente) const {
        return Money::fromVariant(db::valorUnico(
            "select coalesce(sum(Saldo), 0) from tblctrl_credito where Cliente = :c and Saldo > 0",
            {{"c", clientes_[cliente]}}));
    }

    // A sale as checkout stores it; `cliente` -1 is a cash sale, otherwise a credit sale
    // with its debt.
    int venta(const QDateTime& t, int cliente, const QVector<Linea>& lineas) {
        if (lineas.isEmpty()) return 0;
        const bool credito = cliente >= 0;
        const Money total = totalDe(lineas);
        if (credito) {
            const Cliente& c = kClientes[cliente];
            // The acceptance the counter applies (blocking came later for the one
            // customer who is blocked now).
            if (!c.credito || adeudo(cliente) + total >= Money::fromDouble(c.limite))
                throw db::SqlError(QString("venta a crédito fuera de límite: %1").arg(c.nombre));
        }
        const QString f = dialecto::fecha(t);
        const int n = db::siguienteConsecutivo("IdNotaVenta");
        insertar("tblctrl_saldosventas", {{"Id", n},
                                          {"Fecha", f},
                                          {"Cliente", credito ? clientes_[cliente] : 0},
                                          {"Total", total.toVariant()},
                                          {"Usuario", 0},
                                          {"Credito", credito ? 1 : 0}});
        for (const Linea& l : lineas) {
            const Producto& p = productos_[l.producto];
            insertar("tblctrl_kardexventas", {{"Producto", p.id},
                                              {"Cantidad", l.cantidad},
                                              {"Precio", l.precio.toVariant()},
                                              {"Costo", Money::fromDouble(p.costo).toVariant()},
                                              {"Fecha", f},
                                              {"Saldo", n}});
            moverExistencia(l.producto, -l.cantidad);
        }
        if (credito) {
            insertar("tblctrl_credito",
                     {{"Cliente", clientes_[cliente]},
                      {"Cantidad", total.toVariant()},
                      {"Saldo", total.toVariant()},
                      {"Documento", n},
                      {"Fecha", f},
                      {"Pagado", 0},
                      {"FechaVencimiento", dialecto::fecha(t.addDays(kClientes[cliente].dias))},
                      {"Status", "Sin Pago"}});
        }
        return n;
    }

    void ventaContado(const QDateTime& t) {
        venta(t, -1, elegir(-1, azar_.entre(1, 4), Money::fromDouble(6000)));
    }

    // A customer payment applied to the open debts, oldest first.
    void pago(const QDateTime& t, int cliente, Money monto) {
        const QString f = dialecto::fecha(t);
        const int cid = clientes_[cliente];
        const qlonglong numero = insertar("tblctrl_saldoscredito",
                                          {{"Fecha", f}, {"Cantidad", monto.toVariant()}, {"Cliente", cid}});
        struct Deuda {
            int id, documento;
            Money saldo;
        };
        QVector<Deuda> deudas;
        db::Consulta q(
            "select Id, Documento, Saldo from tblctrl_credito where Cliente = :c and Saldo > 0 order by "
            "Fecha, Id");
        q.bind("c", cid);
        q.abrir();
        for (bool hay = q.primero(); hay; hay = q.siguiente())
            deudas << Deuda{q.entero("Id"), q.entero("Documento"), q.dinero("Saldo")};
        Money resto = monto;
        for (const Deuda& d : deudas) {
            if (resto.isZero()) break;
            const Money aplicado = resto > d.saldo ? d.saldo : resto;
            const Money queda = d.saldo - aplicado;
            const QString status = queda.isZero()
                                       ? QString("Nota Pagada")
                                       : "Nota Parcialmente Pagada, Adeudo: " + formato::moneda(queda);
            insertar("tblctrl_kardexcredito", {{"Credito", d.id},
                                               {"Cantidad", aplicado.toVariant()},
                                               {"Fecha", f},
                                               {"Saldo", numero},
                                               {"Documento", d.documento},
                                               {"Status", status},
                                               {"Cliente", cid}});
            db::ejecutar(
                "update tblctrl_credito set Saldo = :s, Pagado = :p, Status = :st where Id = :id",
                {{"s", queda.toVariant()}, {"p", queda.isZero() ? 1 : 0}, {"st", status}, {"id", d.id}});
            resto -= aplicado;
        }
        if (!resto.isZero()) throw db::SqlError("pago mayor al adeudo del cliente");
    }

    void traspaso(const QDateTime& t) {
        const QVector<Linea> lineas = elegir(-1, 2);
        const QString f = dialecto::fecha(t);
        const qlonglong id =
            insertar("tblctrl_saldostraspasos",
                     {{"Fecha", f}, {"Cliente", 0}, {"Total", totalDe(lineas).toVariant()}, {"Usuario", 0}});
        for (const Linea& l : lineas) {
            const Producto& p = productos_[l.producto];
            insertar("tblctrl_kardextraspasos", {{"Producto", p.id},
                                                 {"Cantidad", l.cantidad},
                                                 {"Precio", l.precio.toVariant()},
                                                 {"Costo", Money::fromDouble(p.costo).toVariant()},
                                                 {"Fecha", f},
                                                 {"Saldo", id}});
            moverExistencia(l.producto, -l.cantidad);
        }
    }

    void cotizacion(const QDateTime& t, int cliente, const QString& nombre) {
        const QVector<Linea> lineas = elegir(cliente, 4);
        const QString f = dialecto::fecha(t);
        const qlonglong id =
            insertar("tblctrl_saldoscotizaciones", {{"Fecha", f},
                                                    {"Cliente", cliente >= 0 ? clientes_[cliente] : 0},
                                                    {"Total", totalDe(lineas).toVariant()},
                                                    {"Nombre", nombre}});
        for (const Linea& l : lineas) {
            const Producto& p = productos_[l.producto];
            insertar("tblctrl_kardexcotizaciones", {{"Producto", p.id},
                                                    {"Cantidad", l.cantidad},
                                                    {"Precio", l.precio.toVariant()},
                                                    {"Costo", Money::fromDouble(p.costo).toVariant()},
                                                    {"Fecha", f},
                                                    {"Saldo", id},
                                                    {"Tipo", "TW"}});
        }
    }

    // Goods received from a supplier on credit: stock up, a debt to pay. Returns the debt.
    int compra(const QDateTime& t, int proveedor, int factura, const QString& facturaTexto, int renglones) {
        const QString f = dialecto::fecha(t);
        struct Renglon {
            int producto, cantidad;
            Money costo;
        };
        QVector<Renglon> rs;
        QSet<int> usados;
        for (int intento = 0; intento < 600 && rs.size() < renglones; ++intento) {
            const int i = azar_.entre(0, int(productos_.size()) - 1);
            const Producto& p = productos_[i];
            if (usados.contains(i) || p.proveedor != proveedor || p.dolares) continue;
            usados.insert(i);
            rs << Renglon{i, azar_.entre(3, 10), Money::fromDouble(p.costo)};
        }
        Money total;
        for (const Renglon& r : rs) total += r.costo * r.cantidad;
        const int pid = proveedores_[proveedor - 1];
        const qlonglong id =
            insertar("tblctrl_saldoscompras",
                     {{"Fecha", f}, {"Cliente", pid}, {"Total", total.toVariant()}, {"Usuario", 0}});
        for (const Renglon& r : rs) {
            insertar("tblctrl_kardexcompras", {{"Producto", productos_[r.producto].id},
                                               {"Cantidad", r.cantidad},
                                               {"Precio", (r.costo * r.cantidad).toVariant()},
                                               {"Costo", r.costo.toVariant()},
                                               {"Fecha", f},
                                               {"Saldo", id},
                                               {"Factura", facturaTexto}});
            moverExistencia(r.producto, r.cantidad);
        }
        return int(
            insertar("tblctrl_cuentasxpagar",
                     {{"Proveedor", pid},
                      {"Cantidad", total.toVariant()},
                      {"Documento", factura},
                      {"Fecha", f},
                      {"Pagado", 0},
                      {"FechaVencimiento", dialecto::fecha(t.addDays(kProveedores[proveedor - 1].dias))},
                      {"Saldo", total.toVariant()},
                      {"Status", "Nota sin pago"}}));
    }

    void pagoProveedor(const QDateTime& t, int cuenta, int proveedor, Money monto) {
        insertar("tblctrl_kardexcuentasxpagar",
                 {{"Cuenta", cuenta},
                  {"Cantidad", monto.toVariant()},
                  {"Fecha", dialecto::fecha(t)},
                  {"Proveedor", proveedores_[proveedor - 1]},
                  {"ProveedorNom", QString::fromUtf8(kProveedores[proveedor - 1].nombre)}});
        db::ejecutar("update tblctrl_cuentasxpagar set Saldo = Saldo - :m where Id = :id",
                     {{"m", monto.toVariant()}, {"id", cuenta}});
    }

    // --- history ------------------------------------------------------------------------
    // A month and a half of business, in the order it happened, so that sale numbers
    // grow with their dates. The last week and today carry the day-to-day cash sales.
    void historia() {
        struct Evento {
            QDateTime t;
            std::function<void(const QDateTime&)> hacer;
        };
        QVector<Evento> ev;
        auto en = [&](int dia, int h, int m, std::function<void(const QDateTime&)> f) {
            ev << Evento{momento(dia, h, m), std::move(f)};
        };
        auto credito = [this](int cliente, double importe) {
            return [this, cliente, importe](const QDateTime& t) {
                ventaCredito(t, cliente, Money::fromDouble(importe));
            };
        };
        int cuentaNorte = 0;

        en(-40, 11, 20, credito(kValle, 6200));  // overdue since, and the customer blocked
        en(-35, 10, 5, [&](const QDateTime& t) { cuentaNorte = compra(t, 2, 20931, "F-20931", 6); });
        en(-25, 12, 40, credito(kSanJose, 2600));
        en(-20, 9, 50, credito(kRamirez, 3300));
        en(-20, 17, 30, [&](const QDateTime& t) {
            const Money saldo = Money::fromVariant(db::valorUnico(
                "select Saldo from tblctrl_cuentasxpagar where Id = :id", {{"id", cuentaNorte}}));
            pagoProveedor(t, cuentaNorte, 2, Money::fromDouble(std::round(saldo.toDouble() / 2)));
        });
        en(-18, 13, 15, [&](const QDateTime& t) { compra(t, 1, 4817, "A-4817", 8); });
        en(-12, 16, 10, credito(kChispa, 2900));
        en(-10, 10, 30, [&](const QDateTime& t) { pago(t, kSanJose, adeudo(kSanJose)); });
        en(-5, 12, 5, [&](const QDateTime& t) { pago(t, kRamirez, Money::fromDouble(1000)); });
        en(-4, 18, 2, [&](const QDateTime& t) { traspaso(t); });
        en(-3, 15, 33, [&](const QDateTime& t) {
            // Close to the limit, still within it.
            const Money limite = Money::fromDouble(kClientes[kChispa].limite);
            ventaCredito(t, kChispa, limite - adeudo(kChispa) - Money::fromDouble(250));
        });
        en(-2, 11, 8, credito(kRamirez, 1500));
        en(-1, 13, 20, credito(kSanJose, 900));
        en(-1, 19, 10,
           [&](const QDateTime& t) { cotizacion(t, kRamirez, "TALLER RAMIREZ - SERVICIO DE FRENOS"); });

        static const QTime kHoras[] = {QTime(9, 12),  QTime(10, 3),  QTime(10, 48), QTime(11, 27),
                                       QTime(12, 45), QTime(13, 58), QTime(16, 20), QTime(17, 41),
                                       QTime(18, 36), QTime(19, 22)};
        for (int dia = -6; dia <= -1; ++dia) {
            const int ventas = azar_.entre(3, 6);
            QVector<int> horas;
            while (horas.size() < ventas) {
                const int h = azar_.entre(0, 9);
                if (!horas.contains(h)) horas << h;
            }
            for (int h : horas) {
                en(dia, kHoras[h].hour(), kHoras[h].minute(),
                   [this](const QDateTime& t) { ventaContado(t); });
            }
        }

        // The history's own stock value snapshots: at the start, and each evening.
        QSet<QDate> dias;
        for (const Evento& e : std::as_const(ev)) dias.insert(e.t.date());
        en(-45, 8, 30, registrarValorEn);
        for (const QDate& d : std::as_const(dias)) en(int(hoy_.daysTo(d)), 20, 30, registrarValorEn);

        std::stable_sort(ev.begin(), ev.end(), [](const Evento& a, const Evento& b) { return a.t < b.t; });
        for (const Evento& e : std::as_const(ev)) e.hacer(e.t);

        // Today, shortly before now, so that same-day screens have something to show.
        const QDateTime inicio(hoy_, QTime(0, 0));
        auto hace = [&](int minutos, int orden) {
            return std::max(ahora_.addSecs(-60 * minutos), inicio.addSecs(orden));
        };
        ventaContado(hace(95, 1));
        ventaContado(hace(60, 2));
        ventaCredito(hace(35, 3), kGuero, Money::fromDouble(1800));
        ventaContado(hace(15, 4));
        cotizacion(hace(5, 5), -1, "SR. PEDRO GOMEZ - TSURU 2010");
        inventario::registrarValorMercancias();
    }
};

}  // namespace

bool esDemostracion(const QString& archivo) {
    if (!QFileInfo::exists(archivo) || !pareceSqlite(archivo)) return false;
    const QString nombre = "demo_revision";
    bool es = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nombre);
        db.setDatabaseName(archivo);
        db.setConnectOptions("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=3000");
        if (db.open()) {
            QSqlQuery q(db);
            q.prepare("select Nombre from tbl_app_configuracion where Id = :id");
            q.bindValue(":id", kIdMarcaDemostracion);
            es = q.exec() && q.next() && q.value(0).toString() == QString::fromUtf8(kMarcaDemostracion);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nombre);
    return es;
}

bool crearTienda(const QString& carpeta, QString* error) {
    auto fallar = [&](const QString& m) {
        if (error) *error = m;
        return false;
    };
    if (carpeta.trimmed().isEmpty()) return fallar("No se indicó la carpeta de la tienda de demostración.");
    const QString dir = QDir::cleanPath(QDir(carpeta).absolutePath());
    if (mismaCarpeta(dir, carpetaDeLaTienda()))
        return fallar(
            QString("La tienda de demostración no puede crearse en la carpeta de datos de la tienda "
                    "(%1). Elija otra carpeta.")
                .arg(QDir::toNativeSeparators(dir)));

    const QString anterior = datos::carpeta();
    datos::fijarCarpeta(dir);
    const QString archivo = datos::archivoBaseDatos();
    auto rechazar = [&](const QString& m) {
        datos::fijarCarpeta(anterior);
        return fallar(m);
    };
    // Only a demonstration database is ever replaced; an empty file holds nothing.
    if (QFileInfo::exists(archivo) && QFileInfo(archivo).size() > 0 && !esDemostracion(archivo))
        return rechazar(QString("La carpeta %1 ya contiene la base de datos de una tienda; la tienda de "
                                "demostración no la reemplaza. Elija otra carpeta.")
                            .arg(QDir::toNativeSeparators(dir)));
    QString e;
    if (!datos::asegurarCarpetas(&e)) return rechazar(e);
    db::cerrarConexion();
    if (!borrarBase(archivo, &e)) return rechazar(e);

    db::Apertura ap = db::abrirConexion(archivo);
    if (!ap.ok) {
        borrarBase(archivo, nullptr);
        return rechazar(ap.error);
    }
    try {
        db::Transaccion t;
        Constructor(reloj::ahora()).crear();
        t.confirmar();
    } catch (const db::SqlError& x) {
        e = x.mensaje();
    } catch (const std::exception& x) {
        e = QString::fromLocal8Bit(x.what());
    }
    db::cerrarConexion();
    if (!e.isEmpty()) {
        // A half-made file without its mark would be refused next time: remove it.
        borrarBase(archivo, nullptr);
        return rechazar("No se pudo crear la tienda de demostración: " + e);
    }
    return true;
}

}  // namespace demo
