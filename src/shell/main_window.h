#pragma once
// The main window, built from the window model. Building raises no event; the events of the
// model are wired once the controls stand, in wire_events() and nowhere else.
//
// The text-changed events of pr编辑框, 多行编辑框 and 多行域名编辑框 and the pick of
// 延时组合框 are signals here: the data-file code connects its save-on-change to them. The
// batch run needs that code's persisted state; without one 多行按钮 does nothing.

#include <QWidget>

#include <memory>

namespace zerlith {

// Declared only: moc cannot read the model names of view_operations.h.
enum class Control;
class BalloonTooltip;
class ControlRegistry;
class ViewOperations;
class PersistedState;
class UiThread;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // `ui` and `state` must outlive the window and every run it starts.
    explicit MainWindow(UiThread& ui, PersistedState* state = nullptr);
    ~MainWindow() override;

    ViewOperations& view();
    const ControlRegistry& controls() const;
    BalloonTooltip& tips();
    QWidget* control(Control control) const;

  signals:
    void prBoxChanged();           // pr编辑框 text changed
    void batchReportBoxChanged();  // 多行编辑框 text changed
    void domainListBoxChanged();   // 多行域名编辑框 text changed
    void delayPicked();            // an item of 延时组合框 picked; its text is the pick
    void closed();                 // the user closed the window

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Views;

    void build_controls();
    void stack_and_order();
    void wire_events();
    void fit_outer_size();

    // Shared with the runs, so a run that outlives the window still finds the view
    // operations, which after shutdown park it (see qt_view_operations.h).
    std::shared_ptr<Views> views_;
    PersistedState* state_;
    BalloonTooltip* tips_ = nullptr;
};

}  // namespace zerlith
