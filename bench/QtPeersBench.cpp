#include <QApplication>
#include <benchmark/benchmark.h>
#include <array>
#include <string>

#include "platform/Controls.h"
#include "qtgui/FormPeers.h"
#include "qtgui/QtServices.h"

// Filling a shown grid and a shown list through the Qt peers, on the offscreen platform.
namespace {

constexpr int FullBookRows = 32766;
constexpr int ListItems = 4000;
constexpr std::array<int, 14> ColumnWidths{350, 1, 870, 650, 400, 375, 1845, 1335, 1335, 390, 390, 690, 690, 600};

QApplication& application()
{
    static int argc = 1;
    static char name[] = "qb_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* const app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

class PeersForm : public platform::Form {
public:
    explicit PeersForm(platform::Services& services) : Form(services, "PeersForm")
    {
        Move(0, 0, 12900, 9000);
        Lines.Move(120, 120, 12600, 6000);
        Lines.setCols(14);
        for (int col = 0; col < 14; ++col)
            Lines.setColWidth(col, ColumnWidths[static_cast<std::size_t>(col)]);
        Codes.Move(120, 6240, 2400, 1800);
        endDesign();
    }

    platform::Grid Lines{*this, "Lines"};
    platform::ListBox Codes{*this, "Codes"};
};

// One shown window for every benchmark: making the window is not what is measured.
struct ShownForm {
    ShownForm()
    {
        form.Show();
        QCoreApplication::processEvents();
    }

    QApplication& app = application();
    qtgui::QtServices services{qtgui::QtServices::Options{"qb_bench.pdf"}};
    qtgui::FormPeers windows{services};
    PeersForm form{services};
};

// The window and the application live as long as the process: by the time static objects are
// destroyed, Qt's own statics are gone and tearing a window down would crash.
PeersForm& shownForm()
{
    static ShownForm* const shown = new ShownForm;
    return shown->form;
}

std::string transactionRow(int row)
{
    return std::to_string(row) + "\t \t01/Mar/2026\t" + std::to_string(100000 + row) +
           "\tPAY\tS\tRent for the quarter\t1,234.56\t\tR\tY\tBANK01\tCUST01\tRENT";
}

// Times `fill` after `empty`, the view settled after each, so that only filling and laying out count.
template <class Empty, class Fill> void timeFilling(benchmark::State& state, Empty empty, Fill fill)
{
    for (auto _ : state) {
        state.PauseTiming();
        empty();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        fill();
        QCoreApplication::processEvents();
    }
}

void FillShownGridRowByRow(benchmark::State& state)
{
    platform::Grid& grid = shownForm().Lines;
    timeFilling(state, [&] { grid.setRows(1); }, [&] {
        for (int row = 1; row <= FullBookRows; ++row)
            grid.AddItem(transactionRow(row));
    });
    state.counters["rows"] = grid.Rows() - 1;
}
BENCHMARK(FillShownGridRowByRow)->Unit(benchmark::kMillisecond);

void FillShownGridCellByCell(benchmark::State& state)
{
    platform::Grid& grid = shownForm().Lines;
    timeFilling(state, [&] { grid.setRows(1); }, [&] {
        grid.setRows(FullBookRows + 1);
        for (int row = 1; row <= FullBookRows; ++row) {
            grid.setTextMatrix(row, 0, std::to_string(row));
            grid.setTextMatrix(row, 2, "01/Mar/2026");
            grid.setTextMatrix(row, 6, "Rent for the quarter");
            grid.setTextMatrix(row, 7, "1,234.56");
        }
    });
    state.counters["rows"] = grid.Rows() - 1;
}
BENCHMARK(FillShownGridCellByCell)->Unit(benchmark::kMillisecond);

void FillShownList(benchmark::State& state)
{
    platform::ListBox& list = shownForm().Codes;
    timeFilling(state, [&] { list.Clear(); }, [&] {
        for (int item = 0; item < ListItems; ++item)
            list.AddItem("CUST" + std::to_string(100000 + item));
    });
    state.counters["items"] = list.ListCount();
}
BENCHMARK(FillShownList)->Unit(benchmark::kMillisecond);

} // namespace
