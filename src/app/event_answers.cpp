// Queries and their answers. The manager keeps one root answer node for its
// whole life; each query hangs a chain of answers under the node that is
// current when it is asked, so a query asked from inside a listener of
// another query does not disturb the outer query's answers.
#include "app/events.h"

#include <algorithm>
#include <cstring>

namespace xtr {
namespace {

std::string TextUpToZero(const std::vector<uint8_t>& bytes)
{
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t{0});
    return std::string(bytes.begin(), end);
}

}  // namespace

std::string cmcEvent::Text() const
{
    return TextUpToZero(data);
}

cmcEvAns::~cmcEvAns()
{
    // Unlink the chain node by node so that a long chain does not recurse.
    std::unique_ptr<cmcEvAns> node = std::move(next_);
    while (node) {
        std::unique_ptr<cmcEvAns> after = std::move(node->next_);
        node.reset();
        node = std::move(after);
    }
}

std::string cmcEvAns::Text() const
{
    return TextUpToZero(data_);
}

void cmcEvAns::DropChildren()
{
    child_.reset();
}

cmcEvAns* cmcEvAns::StartChain()
{
    child_ = std::make_unique<cmcEvAns>();
    child_->parent_ = this;
    return child_.get();
}

cmcEvAns* cmcEvAns::AppendNext()
{
    next_ = std::make_unique<cmcEvAns>();
    next_->prev_ = this;
    next_->parent_ = parent_;
    return next_.get();
}

const cmcEvAns* cmcEvMan::Query(uint8_t type, std::uintptr_t object, int32_t value)
{
    cmcEvAns* parent = current_;
    parent->DropChildren();
    current_ = parent->StartChain();

    cmcEvent event;
    event.type = type;
    event.mode = kEvModeQuery;
    event.object = object;
    event.value = value;
    Deliver(event);

    current_ = parent;
    // The chain ends in the empty node that waited for a further answer.
    cmcEvAns* last = parent->child_.get();
    if (last == nullptr) {
        return nullptr;
    }
    while (last->next_) {
        last = last->next_.get();
    }
    if (last->prev_ == nullptr) {
        parent->child_.reset();  // nobody answered
        return nullptr;
    }
    last->prev_->next_.reset();
    return parent->child_.get();
}

void cmcEvMan::Answer(const void* data, int32_t length)
{
    // The root never holds an answer: outside a query there is nothing to
    // answer, and filling it would break the tree.
    if (current_ == &root_) {
        return;
    }
    current_->value1_ = 0;
    current_->value2_ = 0;
    if (data != nullptr && length > 0) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        current_->data_.assign(bytes, bytes + length);
    } else {
        current_->data_.clear();
    }
    current_ = current_->AppendNext();
}

}  // namespace xtr
