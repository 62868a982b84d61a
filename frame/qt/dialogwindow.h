// The Qt view of a dialog: one widget per control, rendered from the form
// model through the binder of its kind, with the user's edits written back
// into it.  Behaviour stays in Dialog; this class only forwards clicks, keys
// and focus.
#pragma once
#include <QWidget>
#include <optional>
#include <vector>

#include "frame/dialog.h"
#include "frame/qt/binders.h"

namespace corvane {

class DialogWindow : public QWidget, private BindingEvents, private ViewEvents {
    Q_OBJECT
public:
    // The window shows `dialog` (in the case settings it was handed) once it
    // is shown, and reports to `run` when it has closed (OK, Cancel, Escape,
    // the close box).
    explicit DialogWindow(Dialog& dialog, ViewEvents* run = nullptr, QWidget* parent = nullptr);
    ~DialogWindow() override;

    Dialog& dialog() { return dialog_; }
    // Renders the model into the widgets (captions, texts, items,
    // selections, checks, enabled states, focus).
    void sync_from_model(bool move_focus = true);
    // The widget of a control (a radio group's box), or nullptr.
    QWidget* widget(const std::string& name) const;
    // Runs the key hook for a key code as the user's key press would.
    bool handle_key(int key);

    // Shows the window, and at its first showing measures the texts and
    // places what follows them.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // BindingEvents
    bool syncing() const override { return syncing_; }
    void clicked(const std::string& name) override;
    void ok() override;
    void cancel() override;
    // ViewEvents: the dialog's hide.
    void hide() override { QWidget::hide(); }

    void build();
    void lay_out();
    void set_tab_order();
    void focus_changed(QWidget* now);
    Binding* binding_of(QWidget* w);

    Dialog& dialog_;
    ViewEvents* run_;
    std::vector<Binding> bindings_;
    std::optional<ViewHook> hook_;
    bool syncing_ = false;
    bool shown_ = false;
    bool laid_out_ = false;
    bool painted_ = false;
};

}  // namespace corvane
