// Start-up, recalculation and resident size of the program's windows against a bare Qt Widgets window.
#include "about/tform2.h"
#include "kit/message_box.h"
#include "main/control_map.h"
#include "main/tform1.h"
#include "plain_controls.h"
#include "results/tform3.h"
#include "worn_engine.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace kelvane;
using Clock = std::chrono::steady_clock;

// What a process puts up: the bare window, the program's three windows as main() creates them, or the
// main window's controls made plainly (for reference: what the controls themselves cost).
enum class Config
{
    Bare,
    Program,
    PlainControls
};

constexpr std::string_view ConfigName(Config config)
{
    switch (config) {
    case Config::Bare:
        return "bare";
    case Config::Program:
        return "program";
    case Config::PlainControls:
        break;
    }
    return "plain";
}

[[noreturn]] void Fail(const std::string& message)
{
    std::fprintf(stderr, "window_bench: %s\n", message.c_str());
    std::exit(2);
}

// Notes the first paint of a window: "shown" means on the screen, not only asked to be.
class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(QWidget* window) : m_window(window) { window->installEventFilter(this); }
    ~FirstPaint() override { m_window->removeEventFilter(this); }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint)
            m_painted = true;
        return false;
    }

private:
    QWidget* m_window;
    bool m_painted = false;
};

// Shows the window and runs the event loop until it is exposed and has painted once. QTest's own
// waits sleep between polls, which would blur a measurement of a few milliseconds.
void ShowAndWaitUntilPainted(QWidget* window)
{
    const FirstPaint paint(window);
    window->show();
    QElapsedTimer waited;
    waited.start();
    while (!(paint.painted() && window->windowHandle() != nullptr && window->windowHandle()->isExposed())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (waited.elapsed() > 10'000)
            Fail("the window was not shown within 10 s");
    }
}

// The windows of one configuration. Members are destroyed in reverse order: the windows hold a
// reference to the job, and the results window one to the main window's controls.
struct Windows
{
    std::unique_ptr<QWidget> reference; // the bare window or the plain controls
    std::unique_ptr<Job> job;
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm2> about;
    std::unique_ptr<TForm3> results;

    QWidget* shown() const { return reference ? reference.get() : static_cast<QWidget*>(main.get()); }
};

// The reference: a window of the main window's size holding one label.
std::unique_ptr<QWidget> MakeBareWindow(QSize size)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Kelvane"));
    window->resize(size);
    auto* label = new QLabel(QStringLiteral("Valve clearances"), window.get());
    label->move(8, 8);
    return window;
}

double MillisecondsSince(Clock::time_point from)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// Where the time of a start-up goes after the application object exists, in milliseconds.
struct StartUpPhases
{
    double mainWindow = 0;   // constructing the main window, or the bare window
    double otherWindows = 0; // the About and results windows, created hidden
    double painting = 0;     // show() until the first paint
    double Total() const { return mainWindow + otherWindows + painting; }
};

Windows MakeWindows(Config config, QSize bareSize, const QString& controlTree = {},
                    StartUpPhases* phases = nullptr)
{
    Windows windows;
    auto start = Clock::now();
    double mainWindow = 0;
    double otherWindows = 0;
    if (config == Config::Bare) {
        windows.reference = MakeBareWindow(bareSize);
        mainWindow = MillisecondsSince(start);
    } else if (config == Config::PlainControls) {
        windows.reference = bench::MakePlainCopy(controlTree);
        if (!windows.reference)
            Fail("cannot read the control tree " + controlTree.toStdString());
        mainWindow = MillisecondsSince(start);
    } else {
        windows.job = std::make_unique<Job>();
        windows.main = std::make_unique<TForm1>(*windows.job);
        mainWindow = MillisecondsSince(start);
        start = Clock::now();
        windows.about = std::make_unique<TForm2>(*windows.job);
        windows.results = std::make_unique<TForm3>(*windows.job, *windows.main);
        windows.main->setAboutWindow(windows.about.get());
        windows.main->setResultsWindow(windows.results.get());
        otherWindows = MillisecondsSince(start);
    }
    if (phases != nullptr) {
        phases->mainWindow = mainWindow;
        phases->otherWindows = otherWindows;
    }
    return windows;
}

// Puts up the windows of one configuration and returns them shown and painted.
Windows StartUp(Config config, QSize bareSize, const QString& controlTree, StartUpPhases& phases)
{
    Windows windows = MakeWindows(config, bareSize, controlTree, &phases);
    const auto start = Clock::now();
    ShowAndWaitUntilPainted(windows.shown());
    phases.painting = MillisecondsSince(start);
    return windows;
}

void DestroyWindows(Windows& windows)
{
    windows = Windows{};
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The bare window is as large as the main window, whatever size that has.
QSize MainWindowSize()
{
    static const QSize size = [] {
        Job job;
        const TForm1 probe(job);
        return probe.size();
    }();
    return size;
}

// The description of the main window's controls that a plain copy is made from, written once.
QString ControlTreeFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("controls"));
        Job job;
        TForm1 probe(job);
        // Shown once, so that the pictures on show are read as they are at start-up.
        probe.show();
        if (!folder.isValid() || !bench::SaveControlTree(probe, file))
            Fail("cannot write the control tree");
        return file;
    }();
    return path;
}

// --- Child processes: one configuration each, so that neither inherits the other's caches ---

struct ChildRequest
{
    std::string mode; // "startup" or "rss"
    Config config = Config::Bare;
    QSize size;
    QString controlTree; // for the plain controls
};

// The resident-size lines of /proc/self/status, in KiB.
struct Residency
{
    long vmRss = 0;
    long rssAnon = 0;
    long rssFile = 0;
};

Residency ReadResidency()
{
    Residency r;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        Fail("cannot read /proc/self/status");
    for (const QByteArray& line : status.readAll().split('\n')) {
        const auto value = [&line](const char* key) {
            return line.mid(static_cast<qsizetype>(std::strlen(key))).trimmed().split(' ').value(0).toLong();
        };
        if (line.startsWith("VmRSS:"))
            r.vmRss = value("VmRSS:");
        else if (line.startsWith("RssAnon:"))
            r.rssAnon = value("RssAnon:");
        else if (line.startsWith("RssFile:"))
            r.rssFile = value("RssFile:");
    }
    return r;
}

int RunChild(int argc, char** argv, const ChildRequest& request)
{
    const auto start = Clock::now();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    const double application = MillisecondsSince(start);
    StartUpPhases phases;
    const Windows windows = StartUp(request.config, request.size, request.controlTree, phases);
    if (request.mode == "startup") {
        std::printf("shown %f %f %f %f\n", application, phases.mainWindow, phases.otherWindows,
                    phases.painting);
        std::fflush(stdout);
        return 0;
    }
    // Idle for a moment as a running program does, so that work deferred past the first paint
    // is counted too.
    QTimer::singleShot(300, &app, &QCoreApplication::quit);
    QApplication::exec();
    const Residency r = ReadResidency();
    std::printf("rss %ld %ld %ld\n", r.vmRss, r.rssAnon, r.rssFile);
    std::fflush(stdout);
    return 0;
}

// Runs this program again as a child for one configuration; returns the child's first output line
// and the time from the spawn until that line arrived.
struct ChildAnswer
{
    std::string line;
    double seconds = 0;
};

ChildAnswer SpawnChild(std::string_view mode, Config config)
{
    const QSize size = MainWindowSize();
    std::vector<std::string> args = {
        "/proc/self/exe", "--child=" + std::string(mode), "--config=" + std::string(ConfigName(config)),
        "--size=" + std::to_string(size.width()) + "x" + std::to_string(size.height())};
    if (config == Config::PlainControls)
        args.push_back("--tree=" + ControlTreeFile().toStdString());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        Fail("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);

    const auto start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0)
        Fail(std::string("cannot start a child: ") + std::strerror(spawned));

    ChildAnswer answer;
    char c = 0;
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], &c, 1)) == 1 && c != '\n')
        answer.line += c;
    answer.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    close(pipeEnds[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || answer.line.empty())
        Fail("child for " + std::string(ConfigName(config)) + " failed");
    return answer;
}

// --- Benchmarks ---

StartUpPhases StartUpInProcess(Config config)
{
    StartUpPhases phases;
    Windows windows = StartUp(config, MainWindowSize(), {}, phases);
    DestroyWindows(windows);
    return phases;
}

// What a child saw of its own start-up, in milliseconds; loading is everything before main().
struct ColdStartUp
{
    double total = 0;
    double loading = 0;
    double application = 0; // the QApplication object: platform plugin, style
    StartUpPhases windows;

    void Add(const ColdStartUp& other)
    {
        total += other.total;
        loading += other.loading;
        application += other.application;
        windows.mainWindow += other.windows.mainWindow;
        windows.otherWindows += other.windows.otherWindows;
        windows.painting += other.windows.painting;
    }
};

ColdStartUp StartUpInNewProcess(Config config)
{
    const ChildAnswer answer = SpawnChild("startup", config);
    ColdStartUp s;
    if (std::sscanf(answer.line.c_str(), "shown %lf %lf %lf %lf", &s.application, &s.windows.mainWindow,
                    &s.windows.otherWindows, &s.windows.painting) != 4)
        Fail("unexpected child answer: " + answer.line);
    s.total = answer.seconds * 1e3;
    s.loading = s.total - s.application - s.windows.Total();
    return s;
}

// Start-up to the first shown in a fresh process: loading, the application object, the windows and
// the first paint. Each iteration starts the bare window, the program and the plain copy of the main
// window's controls one after the other, so a load on the machine falls on all alike; the time
// reported is the program's. The plain copy is a reference, not a goal: it shows what the controls
// cost when made the ordinary way.
void StartUpToShownNewProcess(benchmark::State& state)
{
    ControlTreeFile();
    ColdStartUp bare;
    ColdStartUp program;
    ColdStartUp plain;
    for (auto _ : state) {
        bare.Add(StartUpInNewProcess(Config::Bare));
        const ColdStartUp p = StartUpInNewProcess(Config::Program);
        state.SetIterationTime(p.total / 1e3);
        program.Add(p);
        plain.Add(StartUpInNewProcess(Config::PlainControls));
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bare.total / n;
    state.counters["program_ms"] = program.total / n;
    state.counters["ratio"] = program.total / bare.total;
    state.counters["plain_ms"] = plain.total / n;
    state.counters["plain_ratio"] = plain.total / bare.total;
    for (const auto& [name, figures] : {std::pair{"bare", &bare}, {"program", &program}, {"plain", &plain}}) {
        const std::string prefix(name);
        state.counters[prefix + "_load_ms"] = figures->loading / n;
        state.counters[prefix + "_app_ms"] = figures->application / n;
        state.counters[prefix + "_window_ms"] = figures->windows.mainWindow / n;
        state.counters[prefix + "_paint_ms"] = figures->windows.painting / n;
    }
    state.counters["program_about_results_ms"] = program.windows.otherWindows / n;
}
BENCHMARK(StartUpToShownNewProcess)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The same within one running application: building the windows and painting them once, with the
// fonts and images already loaded.
void StartUpToShownInProcess(benchmark::State& state)
{
    MainWindowSize();
    double bare = 0;
    StartUpPhases program;
    for (auto _ : state) {
        bare += StartUpInProcess(Config::Bare).Total();
        const StartUpPhases p = StartUpInProcess(Config::Program);
        state.SetIterationTime(p.Total() / 1e3);
        program.mainWindow += p.mainWindow;
        program.otherWindows += p.otherWindows;
        program.painting += p.painting;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bare / n;
    state.counters["program_ms"] = program.Total() / n;
    state.counters["ratio"] = program.Total() / bare;
    state.counters["program_window_ms"] = program.mainWindow / n;
    state.counters["program_about_results_ms"] = program.otherWindows / n;
    state.counters["program_paint_ms"] = program.painting / n;
}
BENCHMARK(StartUpToShownInProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

// Resident size after start-up and a moment idle, each configuration in its own process.
void ResidentSize(benchmark::State& state)
{
    Residency bare;
    Residency program;
    const auto parse = [](const ChildAnswer& answer) {
        Residency r;
        if (std::sscanf(answer.line.c_str(), "rss %ld %ld %ld", &r.vmRss, &r.rssAnon, &r.rssFile) != 3)
            Fail("unexpected child answer: " + answer.line);
        return r;
    };
    for (auto _ : state) {
        const Residency b = parse(SpawnChild("rss", Config::Bare));
        const Residency p = parse(SpawnChild("rss", Config::Program));
        bare.vmRss += b.vmRss;
        bare.rssAnon += b.rssAnon;
        bare.rssFile += b.rssFile;
        program.vmRss += p.vmRss;
        program.rssAnon += p.rssAnon;
        program.rssFile += p.rssFile;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["bare_KiB"] = static_cast<double>(bare.vmRss) / n;
    state.counters["program_KiB"] = static_cast<double>(program.vmRss) / n;
    state.counters["ratio"] = static_cast<double>(program.vmRss) / static_cast<double>(bare.vmRss);
    state.counters["bare_anon_KiB"] = static_cast<double>(bare.rssAnon) / n;
    state.counters["program_anon_KiB"] = static_cast<double>(program.rssAnon) / n;
    state.counters["bare_file_KiB"] = static_cast<double>(bare.rssFile) / n;
    state.counters["program_file_KiB"] = static_cast<double>(program.rssFile) / n;
}
BENCHMARK(ResidentSize)->Iterations(5)->Unit(benchmark::kMillisecond);

template <typename T> T* Control(QWidget& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr)
        Fail(std::string("no control ") + name);
    return control;
}

// Puts a job into the main window's fields as a person would leave them.
void EnterReadings(TForm1& window, const PerValve<ValveReading>& readings)
{
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const ValveControlNames& names = kValveControls[i];
        Control<QLineEdit>(window, names.clearance)
            ->setText(QString::fromStdString(readings[i].clearanceText));
        auto* box = Control<QComboBox>(window, names.shimBox);
        const int index = box->findText(QString::fromStdString(readings[i].shimNumberText));
        if (index < 0)
            Fail("shim box has no entry " + readings[i].shimNumberText);
        box->setCurrentIndex(index);
        Control<QLineEdit>(window, names.thickness)
            ->setText(QString::fromStdString(readings[i].thicknessText));
    }
}

// The readings of the worn engine with every clearance one hundredth wider: each press then
// changes every label, as a new measurement does.
PerValve<ValveReading> WiderClearances(PerValve<ValveReading> readings)
{
    for (ValveReading& reading : readings) {
        const int hundredths = std::stoi(reading.clearanceText.substr(2)) + 1;
        reading.clearanceText = "0." + std::string(hundredths < 10 ? "0" : "") + std::to_string(hundredths);
    }
    return readings;
}

// The label texts after a press must be the core's for the same readings: the benchmark is then
// known to time a whole recalculation, not a press that stopped at an error.
bool LabelsMatchCore(TForm1& window, const PerValve<ValveReading>& readings)
{
    const RecalculationOutcome outcome = Recalculate(readings, bench::WornEngineSettings());
    if (!outcome.recalculation)
        return false;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const ValveLabels& expected = outcome.recalculation->labels[i];
        const ValveControlNames& names = kValveControls[i];
        if (Control<QLabel>(window, names.installed)->text().toStdString() != expected.installedNumber ||
            Control<QLabel>(window, names.deviation)->text().toStdString() != expected.deviation ||
            Control<QLabel>(window, names.required)->text().toStdString() != expected.requiredNumber ||
            Control<QLabel>(window, names.after)->text().toStdString() != expected.deviationAfter)
            return false;
    }
    return true;
}

// One press of "Recalculate" on the shown main window, alternating between two measurements so that
// every press rewrites the labels. Arg 0: the button's click, until the handler has set the labels;
// arg 1: a mouse press and release on the button and the event processing that paints the changed
// labels, which is what the person sees.
void RecalculateThroughWindow(benchmark::State& state)
{
    const bool paint = state.range(0) != 0;
    MessageBox::setTestMode(true);
    Windows windows = MakeWindows(Config::Program, {});
    ShowAndWaitUntilPainted(windows.main.get());
    auto* button = Control<QPushButton>(*windows.main, "Button1");
    const std::array<PerValve<ValveReading>, 2> jobs = {bench::WornEngine(),
                                                        WiderClearances(bench::WornEngine())};
    for (const auto& job : jobs) {
        EnterReadings(*windows.main, job);
        QTest::mouseClick(button, Qt::LeftButton);
        if (!LabelsMatchCore(*windows.main, job) || !MessageBox::takeRecorded().isEmpty()) {
            state.SkipWithError("the window's labels differ from the core's");
            return;
        }
    }
    std::size_t press = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EnterReadings(*windows.main, jobs[press++ % jobs.size()]);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (paint) {
            QTest::mouseClick(button, Qt::LeftButton);
            QCoreApplication::processEvents();
        } else {
            button->click();
        }
    }
    DestroyWindows(windows);
}
BENCHMARK(RecalculateThroughWindow)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

std::optional<ChildRequest> ChildRequestFrom(int argc, char** argv)
{
    ChildRequest request;
    bool child = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--child=")) {
            request.mode = std::string(arg.substr(8));
            child = true;
        } else if (arg == "--config=program") {
            request.config = Config::Program;
        } else if (arg == "--config=plain") {
            request.config = Config::PlainControls;
        } else if (arg.starts_with("--tree=")) {
            request.controlTree = QString::fromStdString(std::string(arg.substr(7)));
        } else if (arg.starts_with("--size=")) {
            int width = 0;
            int height = 0;
            if (std::sscanf(argv[i] + 7, "%dx%d", &width, &height) == 2)
                request.size = QSize(width, height);
        }
    }
    if (!child)
        return std::nullopt;
    return request;
}

} // namespace

int main(int argc, char** argv)
{
    // The benchmarks need no display; a set platform (xcb under a desktop or Xvfb) is respected.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (const auto request = ChildRequestFrom(argc, argv))
        return RunChild(argc, argv, *request);
    // Without a session (a console, CI) Qt warns in every process it starts about the missing runtime
    // folder; a private one for this run and its children keeps the output to the figures.
    std::string runtimeFolder;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        std::string pattern = "/tmp/kelvane-bench-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            runtimeFolder = pattern;
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtimeFolder));
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!runtimeFolder.empty())
        rmdir(runtimeFolder.c_str());
    return 0;
}
