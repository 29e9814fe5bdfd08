#include "db/Sql.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QUuid>

#include "db/Dialect.h"
#include "db/Schema.h"

namespace db {

namespace {
const char* kCnn = "Cnn";
thread_local QHash<QString, int> g_profundidad;  // open transaction depth per connection

QString mensajeDe(const QSqlError& e) {
    QString t = e.databaseText().trimmed();
    if (t.isEmpty()) t = e.text().trimmed();
    return t;
}

// Case-insensitive LIKE that folds every letter (Ñ/ñ, Á/á), not only ASCII as the engine
// does, with an optional escape character. '%' matches any run, '_' one character.
bool coincide(const QString& p, int i, const QString& s, int j, QChar esc) {
    while (i < p.size()) {
        QChar c = p[i];
        if (c == '%') {
            while (i < p.size() && p[i] == '%') ++i;
            if (i == p.size()) return true;
            for (int k = j; k <= s.size(); ++k)
                if (coincide(p, i, s, k, esc)) return true;
            return false;
        }
        if (j >= s.size()) return false;
        if (c == '_') {
            ++i;
            ++j;
            continue;
        }
        if (!esc.isNull() && c == esc && i + 1 < p.size()) c = p[++i];
        if (c != s[j]) return false;
        ++i;
        ++j;
    }
    return j == s.size();
}

void likeUnicode(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    QString patron =
        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[0]))).toCaseFolded();
    QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[1]))).toCaseFolded();
    QChar esc;
    if (argc == 3 && sqlite3_value_type(argv[2]) != SQLITE_NULL) {
        QString e = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(argv[2])));
        if (!e.isEmpty()) esc = e[0];
    }
    sqlite3_result_int(ctx, coincide(patron, 0, texto, 0, esc) ? 1 : 0);
}

void registrarFunciones(QSqlDatabase& db) {
    QVariant h = db.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return;
    sqlite3* s = *static_cast<sqlite3* const*>(h.data());
    if (!s) return;
    sqlite3_create_function(s, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeUnicode, nullptr,
                            nullptr);
    sqlite3_create_function(s, "like", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeUnicode, nullptr,
                            nullptr);
}

bool esArchivoSqlite(const QString& archivo) {
    QFile f(archivo);
    if (f.size() == 0) return true;  // an empty file is an empty database
    if (!f.open(QIODevice::ReadOnly)) return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

void prepararYEnlazar(QSqlQuery& q, const QString& sql, const QVariantMap& params) {
    if (!q.prepare(sql)) throw SqlError(mensajeDe(q.lastError()));
    for (auto it = params.begin(); it != params.end(); ++it) {
        QString n = it.key().startsWith(':') ? it.key() : ":" + it.key();
        q.bindValue(n, it.value());
    }
}
}  // namespace

void configurarConexion(QSqlDatabase& db) {
    QSqlQuery q(db);
    q.exec("pragma busy_timeout = 8000");
    q.exec("pragma journal_mode = wal");
    q.exec("pragma synchronous = normal");
    q.exec("pragma foreign_keys = off");
    registrarFunciones(db);
}

Apertura abrirConexion(const QString& archivo) {
    Apertura r;
    cerrarConexion();
    const bool existia = QFileInfo::exists(archivo);
    if (existia) {
        QFileInfo fi(archivo);
        if (!fi.isReadable()) {
            r.error = QString("No se puede leer el archivo de la base de datos: %1").arg(archivo);
            return r;
        }
        if (!esArchivoSqlite(archivo)) {
            r.error = QString("file is not a database: %1").arg(archivo);
            return r;
        }
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", kCnn);
        db.setDatabaseName(archivo);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=8000");
        if (!db.open()) {
            r.error = mensajeDe(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kCnn);
            return r;
        }
        // The file is checked (and a new one given its schema) before anything is set that
        // would persist in it, such as the journal mode: a foreign file stays untouched.
        QString error;
        bool creada = false;
        if (!esquema::preparar(db, &creada, &error)) {
            r.error = error;
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(kCnn);
            return r;
        }
        r.creada = creada;
        configurarConexion(db);
    }
    r.ok = true;
    return r;
}

void cerrarConexion() {
    if (QSqlDatabase::contains(kCnn)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kCnn, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(kCnn);
    }
    g_profundidad.clear();
}

QSqlDatabase cnn() {
    return QSqlDatabase::database(kCnn, false);
}
bool conectada() {
    return QSqlDatabase::contains(kCnn) && cnn().isOpen();
}

QSqlDatabase abrirConexionAdicional(const QString& archivo, const QString& nombre) {
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", nombre);
    db.setDatabaseName(archivo);
    db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=8000");
    if (db.open()) configurarConexion(db);
    return db;
}

// --- Consulta ------------------------------------------------------------------------
Consulta::Consulta(const QString& sql) : sql_(sql), db_(cnn()), q_(db_) {}
Consulta::Consulta(const QString& sql, const QSqlDatabase& db) : sql_(sql), db_(db), q_(db_) {}

void Consulta::setSql(const QString& sql) {
    cerrar();
    sql_ = sql;
    params_.clear();
}

Consulta& Consulta::bind(const QString& nombre, const QVariant& valor) {
    params_[nombre.startsWith(':') ? nombre : ":" + nombre] = valor;
    return *this;
}

void Consulta::abrir() {
    QString e;
    if (!abrir(&e)) throw SqlError(e);
}

bool Consulta::abrir(QString* error) {
    cerrar();
    if (!db_.isValid()) db_ = cnn();
    q_ = QSqlQuery(db_);
    q_.setForwardOnly(false);
    if (!q_.prepare(sql_)) {
        if (error) *error = mensajeDe(q_.lastError());
        return false;
    }
    for (auto it = params_.begin(); it != params_.end(); ++it) q_.bindValue(it.key(), it.value());
    if (!q_.exec()) {
        if (error) *error = mensajeDe(q_.lastError());
        return false;
    }
    activa_ = true;
    // The result is read to its end at once (and kept in memory): a statement left half
    // read would hold this connection's read snapshot open, so that it neither saw
    // another station's writes nor could write itself afterwards ("database is locked").
    if (q_.isSelect()) q_.last();
    tieneFilas_ = q_.first();
    return true;
}

void Consulta::cerrar() {
    if (activa_) q_.finish();
    activa_ = false;
    tieneFilas_ = false;
}

bool Consulta::primero() {
    return activa_ && q_.first();
}
bool Consulta::siguiente() {
    return activa_ && q_.next();
}
bool Consulta::irA(int fila) {
    return activa_ && q_.seek(fila);
}
int Consulta::fila() const {
    return q_.at();
}

int Consulta::contarFilas() {
    if (!activa_ || !tieneFilas_) return 0;
    int actual = q_.at();
    int n = 0;
    if (q_.first()) {
        do ++n;
        while (q_.next());
    }
    if (actual >= 0) q_.seek(actual);
    return n;
}

QVariant Consulta::valor(const QString& columna) const {
    if (!activa_ || !q_.isValid()) return QVariant();
    int i = q_.record().indexOf(columna);
    if (i < 0) return QVariant();
    return q_.value(i);
}

QDateTime Consulta::fecha(const QString& columna) const {
    return dialecto::leerFecha(valor(columna));
}

void llenarModelo(QSqlQueryModel* modelo, const QString& sql, const QVariantMap& params) {
    QSqlQuery q(cnn());
    prepararYEnlazar(q, sql, params);
    if (!q.exec()) throw SqlError(mensajeDe(q.lastError()));
    modelo->setQuery(std::move(q));
    while (modelo->canFetchMore()) modelo->fetchMore();
    if (modelo->lastError().isValid()) throw SqlError(mensajeDe(modelo->lastError()));
}

// --- statements --------------------------------------------------------------------------
void ejecutar(const QString& sql, const QVariantMap& params) {
    ejecutar(cnn(), sql, params);
}

void ejecutar(const QSqlDatabase& db, const QString& sql, const QVariantMap& params) {
    QSqlQuery q(db);
    prepararYEnlazar(q, sql, params);
    if (!q.exec()) throw SqlError(mensajeDe(q.lastError()));
}

bool ejecutarSilencioso(const QString& sql, const QVariantMap& params) {
    try {
        ejecutar(sql, params);
        return true;
    } catch (const SqlError&) {
        return false;
    }
}

QVariant valorUnico(const QString& sql, const QVariantMap& params) {
    QSqlQuery q(cnn());
    prepararYEnlazar(q, sql, params);
    if (!q.exec()) throw SqlError(mensajeDe(q.lastError()));
    return q.next() ? q.value(0) : QVariant();
}

// --- Edicion ---------------------------------------------------------------------------
Edicion Edicion::nueva(const QString& tabla, const QSqlDatabase& db) {
    Edicion e;
    e.db_ = db;
    e.tabla_ = tabla;
    e.campos_ = db.record(tabla);
    if (e.campos_.isEmpty()) throw SqlError(QString("no such table: %1").arg(tabla));
    e.nueva_ = true;
    return e;
}

Edicion Edicion::existente(const QString& tabla, const QString& clave, const QVariant& valor,
                           const QSqlDatabase& db) {
    Edicion e = nueva(tabla, db);
    if (e.campos_.indexOf(clave) < 0) throw SqlError(QString("no such column: %1").arg(clave));
    QSqlQuery q(db);
    prepararYEnlazar(q, QString("select * from %1 where %2 = :clave").arg(tabla, clave), {{"clave", valor}});
    if (!q.exec()) throw SqlError(mensajeDe(q.lastError()));
    if (!q.next()) throw SqlError(QString("No existe el registro %1 en %2").arg(valor.toString(), tabla));
    QSqlRecord r = q.record();
    for (int i = 0; i < r.count(); ++i) e.valores_[r.fieldName(i).toLower()] = r.value(i);
    e.clave_ = clave;
    e.valorClave_ = valor;
    e.nueva_ = false;
    return e;
}

void Edicion::set(const QString& columna, const QVariant& valor) {
    int i = campos_.indexOf(columna);
    if (i < 0) throw SqlError(QString("no such column: %1.%2").arg(tabla_, columna));
    QString nombre = campos_.fieldName(i);
    valores_[nombre.toLower()] = valor;
    if (!asignados_.contains(nombre)) asignados_ << nombre;
}

QVariant Edicion::valor(const QString& columna) const {
    return valores_.value(columna.toLower());
}

qlonglong Edicion::post() {
    QSqlQuery q(db_);
    QVariantMap p;
    QString sql;
    if (nueva_) {
        QStringList cols, marcas;
        for (int i = 0; i < asignados_.size(); ++i) {
            cols << asignados_[i];
            marcas << QString(":v%1").arg(i);
            p[QString("v%1").arg(i)] = valores_.value(asignados_[i].toLower());
        }
        sql =
            cols.isEmpty()
                ? QString("insert into %1 default values").arg(tabla_)
                : QString("insert into %1 (%2) values (%3)").arg(tabla_, cols.join(", "), marcas.join(", "));
    } else {
        if (asignados_.isEmpty()) return valorClave_.toLongLong();
        QStringList sets;
        for (int i = 0; i < asignados_.size(); ++i) {
            sets << QString("%1 = :v%2").arg(asignados_[i]).arg(i);
            p[QString("v%1").arg(i)] = valores_.value(asignados_[i].toLower());
        }
        p["clave"] = valorClave_;
        sql = QString("update %1 set %2 where %3 = :clave").arg(tabla_, sets.join(", "), clave_);
    }
    prepararYEnlazar(q, sql, p);
    if (!q.exec()) throw SqlError(mensajeDe(q.lastError()));
    if (nueva_) {
        QVariant id = q.lastInsertId();
        // A table whose key is assigned by the program (products, sales) keeps the value set.
        QVariant propio = valores_.value(clave_.toLower());
        valorClave_ = propio.isValid() && !propio.isNull() ? propio : id;
        valores_[clave_.toLower()] = valorClave_;
        nueva_ = false;
    }
    asignados_.clear();
    return valorClave_.toLongLong();
}

void Edicion::borrar() {
    if (nueva_) return;
    ejecutar(db_, QString("delete from %1 where %2 = :clave").arg(tabla_, clave_), {{"clave", valorClave_}});
}

// --- Transaccion --------------------------------------------------------------------------
Transaccion::Transaccion(const QSqlDatabase& db) : db_(db) {
    int& d = g_profundidad[db_.connectionName()];
    if (d > 0) {
        externa_ = false;
    } else {
        ejecutar(db_, "begin immediate");
        externa_ = true;
    }
    ++d;
}

Transaccion::~Transaccion() {
    int& d = g_profundidad[db_.connectionName()];
    --d;
    if (externa_ && !hecha_) {
        QSqlQuery q(db_);
        q.exec("rollback");
    }
}

void Transaccion::confirmar() {
    if (hecha_) return;
    if (externa_) ejecutar(db_, "commit");
    hecha_ = true;
}

// --- counters ---------------------------------------------------------------------------
int siguienteConsecutivo(const QString& columna, const QSqlDatabase& db) {
    if (columna.compare("IdProductos", Qt::CaseInsensitive) != 0 &&
        columna.compare("IdNotaVenta", Qt::CaseInsensitive) != 0)
        throw SqlError("Consecutivo desconocido: " + columna);
    Transaccion t(db);
    ejecutar(db, QString("update tblctrl_consecutivos set %1 = coalesce(%1, 0) + 1").arg(columna));
    QSqlQuery q(db);
    if (!q.exec(QString("select %1 from tblctrl_consecutivos").arg(columna)) || !q.next())
        throw SqlError(mensajeDe(q.lastError()));
    int n = q.value(0).toInt();
    t.confirmar();
    return n;
}

}  // namespace db
