// A wrong login costs the same whether or not the user name exists, and
// whether the account's password is a hash or still kept as typed: one
// argon2id check with the program's own limits each time, so the time taken
// tells nobody which names exist. Compare the three figures.
#include "TempDatabase.h"

#include "core/PasswordHash.h"
#include "shop/Session.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
std::unique_ptr<TempDatabase> g_db;

void tryLogin(benchmark::State &state, const QString &name)
{
    Session session([] { return qint64(0); });
    for (auto _ : state) {
        session.restart([] { return qint64(0); });  // no wait after wrong tries here
        if (session.logIn(name, QStringLiteral("salah")) != Session::Outcome::Refused)
            state.SkipWithError("the wrong password was not refused");
    }
}

void BM_WrongPasswordKnownName(benchmark::State &state) { tryLogin(state, QStringLiteral("admin")); }
void BM_WrongPasswordUnknownName(benchmark::State &state) { tryLogin(state, QStringLiteral("tidakada")); }
void BM_WrongPasswordPlainTextAccount(benchmark::State &state) { tryLogin(state, QStringLiteral("lama")); }
} // namespace

BENCHMARK(BM_WrongPasswordKnownName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrongPasswordUnknownName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WrongPasswordPlainTextAccount)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    g_db = std::make_unique<TempDatabase>(QStringLiteral("admin"), QStringLiteral("Rahasia1"));
    g_db->exec(QStringLiteral("INSERT INTO \"Adm\" (\"NamaUser\", \"Pass\", \"Nomer\") VALUES ('lama', 'Polos9', 0)"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_db.reset();
    return 0;
}
