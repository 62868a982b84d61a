// The Qt view of a dialog: one widget per control, rendered from the form
// model through the binder of its kind, with the user's edits written back
// into it.  What the view does with clicks, keys and focus is the
// controller's (frame/viewcontroller.h); this class translates Qt's events
// into its calls and draws what it asks.
#pragma once
#include <QWidget>
#include <vector>

#include "frame/dialog.h"
#include "frame/qt/binders.h"
#include "frame/viewcontroller.h"

namespace corvane {

class DialogWindow : public QWidget, private ViewSurface {
    Q_OBJECT
public:
    // The window shows `dialog` (in the case settings it was handed) once it
    // is shown, and reports to `run` when it has closed (OK, Cancel, Escape,
    // the close box).
    explicit DialogWindow(Dialog& dialog, ViewEvents* run = nullptr, QWidget* parent = nullptr);
    ~DialogWindow() override;

    Dialog& dialog() { return controller_.dialog(); }
    // Renders the model into the widgets (captions, texts, items,
    // selections, checks, enabled states, focus).
    void sync_from_model(bool move_focus = true) { controller_.sync_from_model(move_focus); }
    // The widget of a control (a radio group's box), or nullptr.
    QWidget* widget(const std::string& name) const;
    // Runs the key hook for a key as the user's key press would.
    bool handle_key(DialogKey key) { return controller_.key(key); }

    // Shows the window, and at its first showing measures the texts and
    // places what follows them.
    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // ViewSurface
    bool drawn(size_t at) const override { return bindings_[at].widget && bindings_[at].binder; }
    void show_caption(const std::string& caption) override;
    void render(size_t at) override { bindings_[at].sync(); }
    void give_focus(size_t at, int radio) override;
    void press(size_t at) override;
    bool window_visible() const override { return isVisible(); }
    void show_window() override { show(); }
    void hide_window() override { QWidget::hide(); }
    void close_window() override { close(); }
    int height_of(size_t at) const override { return bindings_[at].widget->height(); }
    int caption_left(size_t at) const override { return bindings_[at].binder->caption_left(bindings_[at]); }
    Size label_size(size_t at) const override;
    void place(size_t at, const Rect& r) override { bindings_[at].widget->setGeometry(r.x, r.y, r.w, r.h); }
    void set_gap_pad(size_t at, int blanks) override { bindings_[at].gap_pad = blanks; }
    void fit_to_caption(size_t at) override { bindings_[at].widget->adjustSize(); }

    void build();
    void lay_out();
    void set_tab_order();
    void focus_changed(QWidget* now);
    Binding* binding_of(QWidget* w);

    ViewController controller_;
    std::vector<Binding> bindings_;
    bool laid_out_ = false;
    bool painted_ = false;
};

}  // namespace corvane
