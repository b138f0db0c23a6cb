#include "BankSchema.h"

#include <QRegularExpression>

#include <SQLiteCpp/Database.h>

using namespace Qt::Literals::StringLiterals;

namespace BankSchema {

namespace {

// Text columns that are compared without regard to case are declared NOCASE.
const char* const FixedTables = R"sql(
CREATE TABLE tab_kmmc (
    C1   TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    C1_1 TEXT,
    C2   TEXT,
    C3   INTEGER NOT NULL DEFAULT 0,
    C4   INTEGER NOT NULL DEFAULT 0,
    D1   INTEGER NOT NULL DEFAULT 0,
    D2   INTEGER NOT NULL DEFAULT 0,
    C6   TEXT NOT NULL DEFAULT '0',
    C7   TEXT,
    jx   TEXT,
    bh   TEXT COLLATE NOCASE
);
CREATE INDEX ix_kmmc_bh ON tab_kmmc(bh);

CREATE TABLE tab_answ (
    A1     TEXT(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    A2     TEXT(100) COLLATE NOCASE,
    A2_1   SMALLINT,
    K3     TEXT(12) COLLATE NOCASE, K4 TEXT(12) COLLATE NOCASE, K5 TEXT(12) COLLATE NOCASE,
    K6     TEXT(12) COLLATE NOCASE, K7 TEXT(12) COLLATE NOCASE, K8 TEXT(12) COLLATE NOCASE,
    K9     TEXT(12) COLLATE NOCASE, K10 TEXT(12) COLLATE NOCASE, K11 TEXT(12) COLLATE NOCASE,
    K12    TEXT(12) COLLATE NOCASE,
    A10    TEXT(6) COLLATE NOCASE,
    A13    SMALLINT,
    A14    MEMO,
    E1     DATETIME,
    E2     TEXT(100) COLLATE NOCASE,
    E2_1   TEXT(100) COLLATE NOCASE,
    E3     SMALLINT NOT NULL DEFAULT 0,
    E4     SMALLINT NOT NULL DEFAULT 0,
    F1     SMALLINT NOT NULL DEFAULT 0,
    xx     NUMERIC,
    csbs   TEXT(2),
    ecount INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ix_answ_chapter ON tab_answ(A10);
-- A chapter's new questions come out of this index already in practice order
-- (a skip-scan over the few type codes), so loading a set needs no sort.
CREATE INDEX ix_answ_practice_order ON tab_answ(A13, A10, xx, A1);
-- Loading a practice set clears the run answers; this index finds the few rows that hold one.
CREATE INDEX ix_answ_run_answer ON tab_answ(A1) WHERE E2_1 <> '';

CREATE TABLE tab_exer (
    A1  TEXT(20) COLLATE NOCASE NOT NULL PRIMARY KEY,
    A15 TEXT,
    jx  TEXT
);

CREATE TABLE tab_title (
    A1  TEXT(16) COLLATE NOCASE NOT NULL PRIMARY KEY,
    A15 TEXT
);

CREATE TABLE tab_rule (
    ftid TEXT(12) COLLATE NOCASE NOT NULL PRIMARY KEY,
    id   TEXT(6) COLLATE NOCASE,
    sn   TEXT,
    n    TEXT,
    q    INTEGER NOT NULL DEFAULT 0,
    q1   INTEGER NOT NULL DEFAULT 0,
    q2   INTEGER NOT NULL DEFAULT 0,
    q4   INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX ix_rule_node ON tab_rule(id);

CREATE TABLE tab_fgmc (
    id  TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    n   TEXT,
    bh  TEXT COLLATE NOCASE,
    q   INTEGER NOT NULL DEFAULT 0,
    q1  INTEGER NOT NULL DEFAULT 0,
    q2  INTEGER NOT NULL DEFAULT 0,
    q4  INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE tab_cj (
    A1   TEXT COLLATE NOCASE NOT NULL PRIMARY KEY,
    A3   TEXT,
    A3_1 INTEGER,
    D1   DATE,
    A6   REAL,
    D2   TEXT
);

CREATE TABLE tab_rz (
    A1 DATE NOT NULL PRIMARY KEY,
    A2 INTEGER,
    A3 INTEGER,
    B1 INTEGER,
    B2 INTEGER,
    A4 TEXT,
    D1 TEXT
);

CREATE TABLE tab_plan (
    PlanMark   INTEGER,
    PlanAmount INTEGER,
    PlanTime   INTEGER,
    ExamDate   DATE,
    LeastMark  INTEGER,
    ExamTime   INTEGER
);

CREATE TABLE tab_sj (
    sjbs TEXT COLLATE NOCASE,
    cpbs TEXT COLLATE NOCASE
);
)sql";

} // namespace

void create(SQLite::Database& db)
{
    db.exec(FixedTables);
    for (int subject = 1; subject <= 5; ++subject) {
        db.exec(
            u"CREATE TABLE %1 (A1 INTEGER NOT NULL UNIQUE, B1 TEXT, B2 INTEGER NOT NULL DEFAULT 0, "
            u"B3 NUMERIC NOT NULL DEFAULT 0, time NUMERIC NOT NULL DEFAULT 1)"_s.arg(typeTableName(subject))
                .toStdString());
    }
}

QStringList questionColumns()
{
    return {u"A1"_s, u"A2"_s, u"A2_1"_s, u"K3"_s,  u"K4"_s,  u"K5"_s,  u"K6"_s,  u"K7"_s,
            u"K8"_s, u"K9"_s, u"K10"_s,  u"K11"_s, u"K12"_s, u"A10"_s, u"A13"_s, u"A14"_s,
            u"E1"_s, u"E2"_s, u"E2_1"_s, u"E3"_s,  u"E4"_s,  u"F1"_s,  u"csbs"_s};
}

bool isPaperTableName(const QString& name)
{
    static const QRegularExpression pattern(u"^tab_exam[0-9]+$"_s);
    return pattern.match(name).hasMatch();
}

QStringList upgradeTables()
{
    return {u"tab_kmmc"_s, u"tab_exer"_s, u"tab_answ"_s, u"tab_rule"_s, u"tab_fgmc"_s, u"tab_sj"_s};
}

QStringList nonUpgradeTables()
{
    return {u"tab_title"_s, u"tab_cj"_s,  u"tab_rz"_s,  u"tab_plan"_s, u"tab_tx1"_s,
            u"tab_tx2"_s,   u"tab_tx3"_s, u"tab_tx4"_s, u"tab_tx5"_s};
}

QString typeTableName(int subject)
{
    const int table = subject >= 1 && subject <= 5 ? subject : 1;
    return u"tab_tx"_s + QString::number(table);
}

} // namespace BankSchema
