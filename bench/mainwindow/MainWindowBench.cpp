#include "FrmPrincipal.h"
#include "FrmPrincipalControls.h"
#include "UserRecord.h"
#include "fQuintrela.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

WindowServices quietServices()
{
    WindowServices s = WindowServices::standard();
    s.message = [](QWidget *, QMessageBox::Icon, const QString &, const QString &) {};
    s.askYesNo = [](QWidget *, const QString &, const QString &) { return true; };
    s.askToDestroy = s.askYesNo;
    return s;
}

void writeRecords(const QString &folder, int count)
{
    QFile file(folder + "/quintrela.dat");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    for (int i = 0; i < count; ++i)
        file.write(UserRecord{QStringLiteral("Usuária %1").arg(i), "28", "01/03/2001"}.encode());
}

void WindowStartup(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        fQuintrela q;
        FrmPrincipal window(q, dir.path(), quietServices());
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(WindowStartup)->Unit(benchmark::kMicrosecond);

// The floor: an empty window of the same size, drawn the same way.
void EmptyWindowStartup(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(490, 460);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(EmptyWindowStartup)->Unit(benchmark::kMicrosecond);

// Both shown on screen (a platform window each) before being drawn.
void WindowStartupShown(benchmark::State &state)
{
    QTemporaryDir dir;
    for (auto _ : state) {
        fQuintrela q;
        FrmPrincipal window(q, dir.path(), quietServices());
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(WindowStartupShown)->Unit(benchmark::kMicrosecond);

void EmptyWindowStartupShown(benchmark::State &state)
{
    for (auto _ : state) {
        QWidget window;
        window.setFixedSize(490, 460);
        window.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(EmptyWindowStartupShown)->Unit(benchmark::kMicrosecond);

void ReFillData(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRecords(dir.path(), int(state.range(0)));
    fQuintrela q;
    FrmPrincipal window(q, dir.path(), quietServices());
    for (auto _ : state)
        window.ReFillData();
    state.counters["names"] = ui(window).cmbNome()->count();
}
BENCHMARK(ReFillData)->Arg(1000)->Arg(40000)->Unit(benchmark::kMillisecond);

// The floor: reading the same file whole.
void PlainRead(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRecords(dir.path(), int(state.range(0)));
    for (auto _ : state) {
        QFile file(dir.path() + "/quintrela.dat");
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(PlainRead)->Arg(1000)->Arg(40000)->Unit(benchmark::kMillisecond);

void CalculateCommand(benchmark::State &state)
{
    QTemporaryDir dir;
    writeRecords(dir.path(), 10000);
    fQuintrela q;
    FrmPrincipal window(q, dir.path(), quietServices());
    for (auto _ : state) {
        ui(window).cmbNome()->setEditText(QString::fromUtf8("usuária 5000"));
        ui(window).txtUltima()->setText("01/03/2001");
        ui(window).txtPeriodo()->setText("28");
        window.imgCalcularClick();
    }
    if (ui(window).lblMes()->text() != QString::fromUtf8("Março de 2001"))
        state.SkipWithError("the consultation did not run");
}
BENCHMARK(CalculateCommand)->Unit(benchmark::kMillisecond);

} // namespace
