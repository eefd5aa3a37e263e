#pragma once
// The smaller controls of the skins:
//   CRedioMacroButtonUI ("RedioMacroButton"): a plain button that keeps its "redioimage"
//     (not painted).
//   CChartViewUI ("ChartView"): named values as a pie ("view" = "pie", the default) or as
//     bars ("histpgram"); with no values it paints only its background and, as bars, its
//     "shadowimage" along the bottom ("shadowimageheight" pixels high).
//   CWndUI ("Wnd"): a place holder that keeps a hosted native window on its rectangle,
//     shown and hidden with it.
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <QWindow>
#include <vector>

class QPainter;

class CRedioMacroButtonUI : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString redioimage READ RedioImage WRITE SetRedioImage)
public:
    explicit CRedioMacroButtonUI(QWidget* parent = nullptr) : QPushButton(parent) {}
    QString RedioImage() const { return redioImage_; }
    void SetRedioImage(const QString& image) { redioImage_ = image; }

private:
    QString redioImage_;
};

class CChartViewUI : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString view READ View WRITE SetView)
    Q_PROPERTY(QString shadowimage MEMBER shadowImage_)
    Q_PROPERTY(int shadowimageheight MEMBER shadowImageHeight_)
    Q_PROPERTY(QString pillarimage MEMBER pillarImage_)
    Q_PROPERTY(int pillarimagewidth MEMBER pillarImageWidth_)
    Q_PROPERTY(bool showtext MEMBER showText_)
public:
    struct Item {
        QString name;
        double value = 0;
    };

    explicit CChartViewUI(QWidget* parent = nullptr);
    QString View() const { return bars_ ? QStringLiteral("histpgram") : QStringLiteral("pie"); }
    // "histpgram" shows bars; any other value a pie.
    void SetView(const QString& view);
    bool IsBarView() const { return bars_; }
    void AddItem(const QString& name, double value);
    void RemoveAllItems();
    const std::vector<Item>& Items() const { return items_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintPie(QPainter& painter, const QRect& area);
    void PaintBars(QPainter& painter, const QRect& area);

    bool bars_ = false;
    std::vector<Item> items_;
    QString shadowImage_;
    int shadowImageHeight_ = 0;
    QString pillarImage_;
    int pillarImageWidth_ = 0;
    bool showText_ = true;
};

class CWndUI : public QWidget {
    Q_OBJECT
public:
    explicit CWndUI(QWidget* parent = nullptr);
    // Hosts window (nullptr: none). The control does not own it.
    void Attach(QWindow* window);
    QWindow* Hosted() const { return hosted_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Place();
    QPointer<QWindow> hosted_;
};
