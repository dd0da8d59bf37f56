#pragma once
// One undoable change of one value: the value before and after, and how to put either in place.
// A document's setters push these on its history instead of a class for each field.

#include <QUndoCommand>

#include <functional>
#include <utility>

namespace app {

// Changes of the same kind within one run (the keys typed before a pause) merge into one step;
// kind -1 never merges.
struct MergeRun {
    int kind = -1;
    int run = 0;
};

template <class Value> class ValueCommand : public QUndoCommand {
  public:
    using Put = std::function<void(const Value&)>;

    ValueCommand(const QString& text, Value before, Value after, Put put, MergeRun merge = {})
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
          put_(std::move(put)), merge_(merge) {}

    void redo() override { put_(after_); }
    void undo() override { put_(before_); }
    int id() const override { return merge_.kind; }

    // A run that ends where it started changes nothing and leaves the history (obsolete).
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const ValueCommand*>(other);
        if (!next || next->merge_.run != merge_.run) return false;
        after_ = next->after_;
        setObsolete(after_ == before_);
        return true;
    }

  private:
    Value before_;
    Value after_;
    Put put_;
    MergeRun merge_;
};

} // namespace app
