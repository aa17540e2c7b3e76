#include "cli/operation.h"

namespace qm::cli {
namespace {

// Built on first use, so registrations in other files' static objects
// never meet an unconstructed list.
std::vector<Operation>& registry() {
    static std::vector<Operation> all;
    return all;
}

}  // namespace

const std::vector<Operation>& operations() { return registry(); }

const Operation* findOperation(std::string_view name) {
    for (const Operation& operation : registry())
        if (operation.name == name) return &operation;
    return nullptr;
}

OperationRegistration::OperationRegistration(Operation operation) { registry().push_back(std::move(operation)); }

}  // namespace qm::cli
