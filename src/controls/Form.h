#pragma once
// Base of every window: turns Qt's show, close and activation events into the
// handlers FormShow, FormClose and FormActivate (each run through the guard)
// and offers the window operations the other windows use: Show, ShowModal,
// Hide and Close. A window is created once and only hidden when closed; only
// the application's main form ends the program when it closes.
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

class QEventLoop;

class TForm : public QWidget {
    Q_OBJECT
public:
    enum class BorderStyle { Single, Sizeable, None };
    enum BorderIcon { NoIcons = 0, SystemMenu = 1, Minimize = 2, Maximize = 4 };
    enum class Placement { ScreenCenter, Designed };

    // Difference between the outer frame and the client area of a window
    // with a single border and a title bar.
    static constexpr int kFrameWidth = 8;
    static constexpr int kFrameHeight = 30;

    explicit TForm(QWidget *parent = nullptr);
    ~TForm() override;

    // Design-time properties.
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    void setBorder(BorderStyle style, int icons);
    BorderStyle borderStyle() const { return m_borderStyle; }
    int borderIcons() const { return m_borderIcons; }
    void setClientSize(int width, int height);
    QSize clientSize() const { return size(); }
    // Outer size for windows whose design names the frame's size.
    void setOuterSize(int width, int height);
    void setOuterHeight(int height);
    int outerHeight() const;
    void setPlacement(Placement placement, QPoint designedTopLeft = QPoint());
    Placement placement() const { return m_placement; }
    void setFormFont(const QString &family, int pointSize, bool bold = false);

    // Window operations.
    void Show();       // shows, or brings a shown window to the front
    int ShowModal();   // shows and waits, through ui(), until the window closes
    void Hide() { hide(); }
    void Close() { close(); }
    bool isShowingModal() const { return m_modalLoop != nullptr; }
    void setModalResult(int result) { m_modalResult = result; }

signals:
    void shown();
    void closed();

protected:
    virtual void FormShow() {}
    // Asked before the window closes (close box, a close button, Escape):
    // false keeps it open, e.g. while typing would be lost.
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}
    virtual void FormActivate() {}

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyWindowFlags();
    void runActivate();

    BorderStyle m_borderStyle = BorderStyle::Single;
    int m_borderIcons = SystemMenu | Minimize | Maximize;
    Placement m_placement = Placement::ScreenCenter;
    QPoint m_designedTopLeft;
    bool m_placed = false;
    bool m_activatePending = false;
    bool m_wasDeactivated = false;
    QEventLoop *m_modalLoop = nullptr;
    int m_modalResult = 0;
};
