// The /EDIT run: the selection read once, its element found and sent to the
// dialog that writes it (the edit rows of the table of dialogs,
// dialogs/table.h), the form filled from the start tag, and on OK the
// selection handed back with only its tags rewritten.
#pragma once
#include <memory>
#include <string>

#include "common/bytebuffer.h"
#include "frame/dialog.h"
#include "frame/edit.h"

namespace corvane {

// Which dialog edits an element, by its name in any letter case.
struct EditTarget {
    const DialogDesign* design = nullptr;
    // Sets what the element's name (or INPUT's TYPE) says: the heading
    // level, the cell kind; and the item counts to 0.
    void (*prepare)(Form& f, const StartTag& tag) = nullptr;
    std::string refusal;  // set when there is no dialog
};
EditTarget edit_target(const StartTag& tag);

class EditRun {
public:
    // Reads the host's selection and finds its element and dialog.
    explicit EditRun(HostLink& host);
    EditRun(const EditRun&) = delete;
    EditRun& operator=(const EditRun&) = delete;

    // Empty when the element can be edited; else the one line to show.
    const std::string& refusal() const { return refusal_; }
    const DialogDesign& design() const { return *target_.design; }
    // Hooks the reading into the dialog's show step and the rewriting into
    // its OK.
    void attach(Dialog& dialog);

    // Without the host: what OK hands back for a form (tests and bench).
    struct Texts {
        std::string start, end;
    };

private:
    void fill(Dialog& dialog);
    void hand_over(Dialog& dialog);

    HostLink& host_;
    ByteBuffer buffer_;
    size_t size_ = 0;
    std::string utf8_tag_;  // the start tag in UTF-8, which `tag_` reads
    StartTag tag_;          // views into utf8_tag_
    Element element_;       // views into the selection
    EditTarget target_;
    ReadBack read_;
    std::string refusal_;
};

// The room kept in front of the selection, so that the rewritten start tag
// and what stood before it can be put in place before the content.
constexpr size_t kEditRoom = 1 << 16;

}  // namespace corvane
