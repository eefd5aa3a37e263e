// The yardstick of app_bench: an empty Qt Widgets window of the main window's size. After
// its first paint it writes the line kvelm writes then, to the file KVELM_DEBUG names, so
// the bench times both programs the same way.
#include <QApplication>
#include <QFile>
#include <QWidget>

namespace {

constexpr int kWidth = 1000;  // the main window's size
constexpr int kHeight = 640;

class EmptyWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        if (told_) return;
        told_ = true;
        QFile log(qEnvironmentVariable("KVELM_DEBUG"));
        if (log.open(QIODevice::Append)) log.write("main window shown\n");
    }

private:
    bool told_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    EmptyWindow window;
    window.resize(kWidth, kHeight);
    window.show();
    return app.exec();
}
