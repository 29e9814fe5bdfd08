#include "db/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include "db/Dialect.h"
#include "db/Password.h"

namespace esquema {

namespace {

struct Tabla {
    const char* nombre;
    const char* columnas;  // "Nombre tipo, ..." with the logical types below
};

// Logical column types, translated to the engine by tipo():
//   auto = autonumber, int = integer, t<n> = text(n), memo, dbl = double,
//   cur = currency (four decimals), dec0 = decimal(0), bool = yes/no, fecha = date/time
const Tabla kTablas[] = {
    {"tbl_app_esquema", "Version int"},
    {"tbl_app_configuracion", "Id auto, Nombre t50, Valor t250"},
    // Password holds a salted hash (see db/Password.h), so its size allows the hash text.
    {"tblcat_usuarios", "Id auto, Nombre t250, Usuario t50, Password t50"},
    {"tblctrl_modulos", "Id auto, Modulo t50, Padre int"},
    {"tblrel_permisos", "Id auto, Usuario int, Modulo int"},
    {"tblcat_familias", "Id auto, Familia t250, Porcentaje int"},
    {"tblcat_marcas", "Id auto, Marca t250"},
    {"tblcat_modelos", "Id auto, Marca int, Modelo t250"},
    {"tbl_app_unidades", "Id auto, Unidad t50, Abreviatura t255"},
    {"tblcat_productos",
     "Id int primary key, Precio1 dbl, Precio2 dbl, Marca int, Modelo int, Ano t255, AnoDesplegado t255, "
     "Presentacion t255, Minimo dbl, Maximo dbl, Costo1 dbl, Costo2 dbl, Moneda t255, CodigoDeBarras t255, "
     "Parte t255, Bodega_Linea t255, Bodega_Anaquel t255, Bodega_Nivel t255, IVA bool, Bloqueado bool, "
     "Comision bool, Proveedor int, Familia int, Existencia dbl, CodigoParte t255, Unidad int"},
    {"tblcat_semejantes", "Id auto, Producto int, Marca int, Modelo int, Ano t50, AnoDesplegado t50"},
    {"tblcat_clientes",
     "Id auto, Nombre t250, NombreFiscal t250, Direccion t250, Telefono1 t50, Telefono2 t50, Telefono3 t50, "
     "LimiteCredito cur, DiasCredito int, TipoDescuento int, Porcentaje int, RFC t50, CP t50, Fax t50, "
     "Contacto_Celular t50, Contacto_Nombre t250, Email t250, DireccionComercial t250, Credito bool, "
     "Bloqueado bool, Colonia t250, Ciudad t250, Calle t255, Numero t255, Numeroint t255, Estado t255, "
     "ColoniaFac t255, CPFAC t255, CiudadFAC t255, EstadoFAC t255, Pais t255"},
    {"tblctrl_descuentos", "Id auto, Cliente int, Familia int, Porcentaje int"},
    {"tblcat_proveedores",
     "Id auto, Nombre t250, NombreFiscal t250, Direccion t250, Telefono1 t50, Telefono2 t50, Telefono3 t50, "
     "LimiteCredito cur, DiasCredito int, RFC t50, CP t50, Fax t50, Contacto_Celular t50, Contacto_Nombre "
     "t250, "
     "Email t250, DireccionComercial t250, Banco t50, Cuenta t50, CLABE t50, Ciudad t250"},
    {"tblctrl_consecutivos", "IdProductos int, IdNotaVenta int"},
    {"tblctrl_tipodecambio", "TipoCambio dbl"},
    {"tblctrl_saldosventas",
     "Id int primary key, Fecha fecha, Cliente int, Total cur, Factura int not null default 0, Tipo int, "
     "Usuario int, Credito bool, Iva dec0, TipoIVA int"},
    {"tblctrl_kardexventas",
     "Id auto, Producto int, Cantidad int, Precio cur, Costo cur, Fecha fecha, Cancelado bool, Saldo int, "
     "Credito bool"},
    {"tblctrl_kardexdevoluciones",
     "Id auto, Fecha fecha, Producto int, Cantidad int, Precio cur, Costo cur, Total cur, Documento int"},
    {"tblctrl_saldoscotizaciones",
     "Id auto, Fecha fecha, Cliente int, Total cur, Factura int, Tipo int, Usuario int, Credito bool, "
     "Nombre t250"},
    {"tblctrl_kardexcotizaciones",
     "Id auto, Producto int, Cantidad int, Precio cur, Costo cur, Fecha fecha, Cancelado bool, Saldo int, "
     "Credito bool, Tipo t255"},
    {"tblctrl_saldostraspasos",
     "Id auto, Fecha fecha, Cliente int, Total cur, Factura int, Tipo int, Usuario int"},
    {"tblctrl_kardextraspasos",
     "Id auto, Producto int, Cantidad int, Precio cur, Costo cur, Fecha fecha, Cancelado bool, Saldo int"},
    {"tblctrl_credito",
     "Id auto, Cliente int, Cantidad cur, Documento int, Fecha fecha, Pagado bool, FechaVencimiento fecha, "
     "Saldo cur, Status t250"},
    {"tblctrl_saldoscredito", "Id auto, Fecha fecha, Cantidad cur, Cliente int"},
    {"tblctrl_kardexcredito",
     "Id auto, Credito int, Cantidad cur, Fecha fecha, Saldo int, Documento int, Status t250, Cliente int"},
    {"tblctrl_saldoscompras",
     "Id auto, Fecha fecha, Cliente int, Total cur, Factura int, Tipo int, Usuario int"},
    {"tblctrl_kardexcompras",
     "Id auto, Producto int, Cantidad int, Precio cur, Costo cur, Fecha fecha, Cancelado bool, Saldo int, "
     "Factura t50"},
    {"tblctrl_cuentasxpagar",
     "Id auto, Proveedor int, Cantidad cur, Documento int, Fecha fecha, Pagado bool, FechaVencimiento fecha, "
     "Saldo cur, Status t250"},
    {"tblctrl_kardexcuentasxpagar",
     "Id auto, Cuenta int, Cantidad cur, Fecha fecha, Proveedor int, ProveedorNom t250"},
    {"tbltmp_compras", "Id auto, Producto int, Cantidad int, Costo cur, Precio cur"},
    {"tbltmp_comprasguardadas",
     "Id auto, Proveedor int, Factura t50, Producto int, Cantidad int, Costo cur, Nombre t50, Incremental "
     "dbl, "
     "Descuento dbl, Iva dbl"},
    {"tbl_app_saldoscfdi",
     "Id auto, Folio int, Cliente int, Subtotal cur, IVA cur, Total cur, TotalConLetra t255, ImpuestoNombre "
     "t255, "
     "Metodo t255, Cuenta t255"},
    {"tbl_app_kardexcfdi",
     "Id auto, Folio int, Cantidad dbl, Descripcion t255, PUnitario cur, Importe cur, Unidad t255, Codigo "
     "int"},
    {"tbl_app_cfdis",
     "ID auto, Resultado t255, MensajeError t255, Serie t255, Folio t255, Fecha t255, LeyendaImpresa t255, "
     "CreditosRestantes t255, CFDI memo, VersionTimbrado t255, UUID t255, FechaTimbrado t255, SelloCFD t255, "
     "NumeroDeCertificadoSAT t255, SelloSAT t255, CadenaOriginalTimbre memo, CertificadoEmisor t255, "
     "LugarExpedicion t255, MetodoPago t255, Cuenta t255, FechaExp fecha"},
    {"tbltmp_ticket",
     "Id int, Producto int, Cantidad int, Precio cur, Costo cur, Fecha fecha, Cancelado bool, Saldo int, "
     "Factura t50, TipoTw t255"},
    {"tbltmp_etiquetas", "Codigo t255, Nombre t255"},
    {"tbl_hist_mercancias", "familia int, total cur, fecha fecha"},
    // The lines of a pending sales ticket, per station, so that a ticket whose stock has
    // already left the shelf figure survives a crash or a power cut.
    {"tbltmp_ticketpendiente",
     "Id auto, Estacion t100, Renglon int, Producto int, Cantidad t50, Parte t255, Marca t255, Modelo t255, "
     "Ano t255, Precio dbl, Costo dbl, Tipo t50, TomoExistencia bool"},
};

QString tipo(const QString& t) {
    if (t == "auto") return dialecto::autonumero();
    if (t == "int") return "integer";
    if (t == "memo") return "text";
    if (t == "dbl") return "double precision";
    if (t == "cur") return "numeric(19,4)";
    if (t == "dec0") return "numeric(18,0)";
    if (t == "bool") return "smallint default 0";
    if (t == "fecha") return "varchar(19)";
    if (t.startsWith('t')) return QString("varchar(%1) collate nocase").arg(t.mid(1));
    return t;  // already an engine type
}

QString crearTabla(const Tabla& t) {
    QStringList defs;
    for (const QString& c : QString(t.columnas).split(',')) {
        QStringList w = c.trimmed().split(' ');
        QString nombre = w.takeFirst();
        QString resto = w.join(' ');
        QString base = resto.section(' ', 0, 0);
        QString extra = resto.section(' ', 1);
        defs << QString("%1 %2%3").arg(nombre, tipo(base), extra.isEmpty() ? "" : " " + extra);
    }
    return QString("create table %1 (%2)").arg(t.nombre, defs.join(", "));
}

const char* kVistas[] = {
    // Every product with its brand, model and unit names; products missing them still list.
    "create view view_productos as select P.Id as id, P.Precio1 as precio1, P.Marca as marcaid, "
    "P.Modelo as modeloid, P.Ano as ano, P.AnoDesplegado as anodesplegado, P.Minimo as minimo, "
    "P.Maximo as maximo, P.Costo1 as costo1, P.Parte as parte, P.Familia as familiaid, "
    "P.Existencia as existencia, M.Marca as marca, O.Modelo as modelo, P.Moneda as moneda, "
    "U.Abreviatura as Uni, P.CodigoDeBarras as CodigoDeBarras, P.CodigoParte as codigoparte, "
    "P.Proveedor as proveedor, P.Unidad as unidad "
    "from tblcat_productos P left join tblcat_marcas M on M.Id = P.Marca "
    "left join tblcat_modelos O on O.Id = P.Modelo left join tbl_app_unidades U on U.Id = P.Unidad",

    // The search list: one row per product for its own vehicle and one per further fitment.
    "create view view_partes2 as "
    "select P.Costo1 as costo1, P.Existencia as existencia, P.Precio1 as precio1, P.Familia as familia, "
    "P.Id as id, P.Parte as parte, M.Marca as marca, O.Modelo as modelo, P.Marca as marcaid, "
    "P.Modelo as modeloid, P.Ano as ano, P.AnoDesplegado as anodesplegado, P.CodigoDeBarras as "
    "CodigoDeBarras, "
    "P.CodigoParte as codigoparte, P.Bodega_Linea as bodega_linea, P.Bodega_Anaquel as bodega_anaquel, "
    "P.Bodega_Nivel as bodega_nivel, P.Moneda as moneda, F.Familia as famnom "
    "from tblcat_productos P left join tblcat_marcas M on M.Id = P.Marca "
    "left join tblcat_modelos O on O.Id = P.Modelo left join tblcat_familias F on F.Id = P.Familia "
    "union all "
    "select P.Costo1, P.Existencia, P.Precio1, P.Familia, P.Id, P.Parte, M.Marca, O.Modelo, S.Marca, "
    "S.Modelo, S.Ano, S.AnoDesplegado, P.CodigoDeBarras, P.CodigoParte, P.Bodega_Linea, P.Bodega_Anaquel, "
    "P.Bodega_Nivel, P.Moneda, F.Familia "
    "from tblcat_semejantes S join tblcat_productos P on P.Id = S.Producto "
    "left join tblcat_marcas M on M.Id = S.Marca left join tblcat_modelos O on O.Id = S.Modelo "
    "left join tblcat_familias F on F.Id = P.Familia",

    "create view view_partes as select P.Costo1 as costo1, P.Existencia as existencia, P.Precio1 as precio1, "
    "P.Familia as familia, P.Id as id, P.Parte as parte, M.Marca as marca, O.Modelo as modelo, "
    "P.Marca as marcaid, P.Modelo as modeloid, P.Ano as ano, P.AnoDesplegado as anodesplegado "
    "from tblcat_productos P left join tblcat_marcas M on M.Id = P.Marca "
    "left join tblcat_modelos O on O.Id = P.Modelo",

    // Value of the stock on hand per family, at cost, dollar costs at the rate in force.
    "create view View_App_Mercancias as select F.Id as familia, "
    "coalesce((select sum(coalesce(P.Existencia, 0) * coalesce(P.Costo1, 0) * "
    "case when P.Moneda = 'Dólares' then coalesce((select TipoCambio from tblctrl_tipodecambio limit 1), 1) "
    "else 1 end) from tblcat_productos P where P.Familia = F.Id), 0) as total from tblcat_familias F",
};

const char* kIndices[] = {
    "create index ix_productos_marca on tblcat_productos (Marca)",
    "create index ix_productos_modelo on tblcat_productos (Modelo)",
    "create index ix_productos_familia on tblcat_productos (Familia)",
    "create index ix_productos_barras on tblcat_productos (CodigoDeBarras)",
    "create index ix_productos_parte on tblcat_productos (Parte)",
    "create index ix_semejantes_producto on tblcat_semejantes (Producto)",
    "create index ix_semejantes_modelo on tblcat_semejantes (Modelo)",
    // The product search reads a product's fitments with their years from the index alone.
    "create index ix_semejantes_anos on tblcat_semejantes (Producto, AnoDesplegado, Marca, Modelo, Ano)",
    "create index ix_semejantes_marca on tblcat_semejantes (Marca)",
    "create index ix_modelos_marca on tblcat_modelos (Marca)",
    "create index ix_permisos on tblrel_permisos (Usuario, Modulo)",
    "create index ix_descuentos on tblctrl_descuentos (Cliente, Familia)",
    "create index ix_kardexventas_saldo on tblctrl_kardexventas (Saldo)",
    "create index ix_saldosventas_fecha on tblctrl_saldosventas (Fecha)",
    "create index ix_credito_cliente on tblctrl_credito (Cliente, Saldo)",
    "create index ix_credito_documento on tblctrl_credito (Documento)",
    "create index ix_kardexcredito_saldo on tblctrl_kardexcredito (Saldo)",
    "create index ix_kardexcredito_credito on tblctrl_kardexcredito (Credito)",
    "create index ix_saldoscredito_cliente on tblctrl_saldoscredito (Cliente, Fecha)",
    "create index ix_kardexcotizaciones_saldo on tblctrl_kardexcotizaciones (Saldo)",
    "create index ix_kardextraspasos_saldo on tblctrl_kardextraspasos (Saldo)",
    "create index ix_kardexcompras_saldo on tblctrl_kardexcompras (Saldo)",
    "create index ix_cuentasxpagar_proveedor on tblctrl_cuentasxpagar (Proveedor)",
    "create index ix_hist_mercancias on tbl_hist_mercancias (familia, fecha)",
    "create index ix_ticketpendiente on tbltmp_ticketpendiente (Estacion, Renglon)",
};

struct Modulo {
    int id;
    const char* nombre;
    int padre;
};

// Permission points: each screen at the top level, its guarded actions beneath it, the
// reports under the reports screen.
const Modulo kModulos[] = {
    {2, "Ventas", 0},
    {3, "Botón Info", 2},
    {4, "Precio Especial", 2},
    {5, "Cliente para Descuento", 2},
    {6, "Reimprimir", 2},
    {7, "Cancelación", 2},
    {8, "Cotización", 2},
    {9, "Venta a Crédito", 2},
    {10, "Traspaso", 2},
    {11, "Venta en Efectivo", 2},
    {12, "Productos", 0},
    {13, "Agregar Producto", 12},
    {14, "Borrar Producto", 12},
    {15, "Modificar Producto", 12},
    {16, "Ajuste de Inventarios", 12},
    {17, "Agregar Similar", 12},
    {18, "Borrar Similar", 12},
    {19, "Familias", 0},
    {20, "Marcas y Modelos", 0},
    {21, "Facturación", 0},
    {22, "Generar Factura", 21},
    {23, "Cancelar Factura", 21},
    {24, "Proveedores", 0},
    {25, "Agregar Proveedor", 24},
    {26, "Borrar Proveedor", 24},
    {27, "Modificar Proveedor", 24},
    {28, "Compras", 0},
    {29, "Abrir Compra", 28},
    {30, "Guardar Compra", 28},
    {31, "Procesar Compra", 28},
    {32, "Clientes", 0},
    {33, "Nuevo Cliente", 32},
    {34, "Borrar Cliente", 32},
    {35, "Modificar Cliente", 32},
    {36, "Control de Crédito", 0},
    {37, "Estado de Cuenta", 36},
    {38, "Pagar por Cantidad y por Nota", 36},
    {39, "Cancelación de Pagos", 36},
    {60, "Historial de Pagos", 36},
    {40, "Usuarios", 0},
    {41, "Borrar Usuario", 40},
    {42, "Agregar Usuario", 40},
    {43, "Modificar Usuario y Permisos", 40},
    {44, "Reportes", 0},
    {45, "Máximos y Mínimos", 44},
    {46, "Existencias", 44},
    {47, "Corte de Caja", 44},
    {53, "Pagos por Vencimiento", 44},
    {54, "Sugerencia de Pedido", 44},
    {56, "Reporte de Ventas", 44},
    {57, "Reporte de Mercancías", 44},
    {61, "Etiquetas de Código de Barras", 44},
    {62, "Popularidad por Familia", 44},
    {48, "Importar", 0},
    {49, "Cuentas por Pagar", 0},
    {50, "Estado de Cuenta Proveedor", 49},
    {51, "Cancelación de Pagos a Proveedor", 49},
    {52, "Pagar Parcialmente", 49},
    {55, "Tipo de Cambio", 2},
    {58, "Devolución", 2},
};

void correr(QSqlQuery& q, const QString& sql, const QVariantList& valores = {}) {
    if (!q.prepare(sql)) throw q.lastError();
    for (int i = 0; i < valores.size(); ++i) q.bindValue(i, valores[i]);
    if (!q.exec()) throw q.lastError();
}

void crear(QSqlDatabase& db) {
    QSqlQuery q(db);
    for (const Tabla& t : kTablas) correr(q, crearTabla(t));
    for (const char* v : kVistas) correr(q, v);
    for (const char* i : kIndices) correr(q, i);

    correr(q, "insert into tbl_app_esquema (Version) values (?)", {kVersionActual});
    correr(q, "insert into tblctrl_consecutivos (IdProductos, IdNotaVenta) values (0, 0)");
    correr(q, "insert into tblctrl_tipodecambio (TipoCambio) values (?)", {17.5});
    const QVariantList config[] = {
        {69, "Tipo de facturación (3 = electrónica)", "3"},
        {71, "RFC del emisor ante el proveedor de timbrado", ""},
        {72, "Cuenta ante el proveedor de timbrado", ""},
        {73, "Contraseña ante el proveedor de timbrado", ""},
        // The maker's web site; the support window opens its page "/tts".
        {74, "Sitio web de soporte", "https://soporte.example.com"},
    };
    for (const auto& c : config)
        correr(q, "insert into tbl_app_configuracion (Id, Nombre, Valor) values (?, ?, ?)", c);
    const QVariantList unidades[] = {
        {"Pieza", "PZA"}, {"Juego", "JGO"}, {"Par", "PAR"}, {"Kit", "KIT"},
        {"Litro", "LT"},  {"Galón", "GAL"}, {"Metro", "M"}, {"Caja", "CJA"},
    };
    for (const auto& u : unidades)
        correr(q, "insert into tbl_app_unidades (Unidad, Abreviatura) values (?, ?)", u);
    for (const Modulo& m : kModulos)
        correr(q, "insert into tblctrl_modulos (Id, Modulo, Padre) values (?, ?, ?)",
               {m.id, QString::fromUtf8(m.nombre), m.padre});
    correr(q, "insert into tblcat_usuarios (Id, Nombre, Usuario, Password) values (1, ?, ?, ?)",
           {"Administrador", "admin", contrasena::cifrar("admin")});
    for (const Modulo& m : kModulos)
        correr(q, "insert into tblrel_permisos (Usuario, Modulo) values (1, ?)", {m.id});
}

// Upgrade steps: actualizar[v] turns a version v database into version v + 1.
void actualizar(QSqlDatabase&, int /*desde*/) {}

}  // namespace

QStringList tablas() {
    QStringList r;
    for (const Tabla& t : kTablas) r << t.nombre;
    return r;
}

QStringList vistas() {
    return {"view_productos", "view_partes2", "view_partes", "View_App_Mercancias"};
}

bool preparar(QSqlDatabase& db, bool* creada, QString* error) {
    if (creada) *creada = false;
    QSqlQuery q(db);
    if (!q.exec("select count(*) from sqlite_master where type = 'table'") || !q.next()) {
        if (error)
            *error =
                q.lastError().databaseText().isEmpty() ? q.lastError().text() : q.lastError().databaseText();
        return false;
    }
    const int tablasExistentes = q.value(0).toInt();
    const bool propia = db.tables().contains("tbl_app_esquema", Qt::CaseInsensitive);
    try {
        if (tablasExistentes == 0) {
            if (!q.exec("begin immediate")) throw q.lastError();
            try {
                crear(db);
            } catch (...) {
                QSqlQuery(db).exec("rollback");
                throw;
            }
            if (!q.exec("commit")) throw q.lastError();
            if (creada) *creada = true;
            return true;
        }
        if (!propia) {
            if (error) *error = "La base de datos no pertenece a este sistema (faltan sus tablas).";
            return false;
        }
        if (!q.exec("select max(Version) from tbl_app_esquema") || !q.next()) throw q.lastError();
        int v = q.value(0).toInt();
        if (v > kVersionActual) {
            if (error)
                *error = QString("La base de datos es de una versión más nueva del sistema (%1).").arg(v);
            return false;
        }
        while (v < kVersionActual) {
            actualizar(db, v);
            ++v;
            correr(q, "update tbl_app_esquema set Version = ?", {v});
        }
        return true;
    } catch (const QSqlError& e) {
        if (error) *error = e.databaseText().isEmpty() ? e.text() : e.databaseText();
        return false;
    }
}

}  // namespace esquema
