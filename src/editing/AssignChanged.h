#pragma once

namespace kw {

// Gives the field the value; true when that changed it.
template <typename Field>
bool AssignChanged(Field& field, const Field& value) {
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

}  // namespace kw
