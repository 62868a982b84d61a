#include "frame/clause.h"

#include "frame/tagreader.h"

namespace corvane {

bool clause::Fixed::operator==(const Fixed& o) const {
    return equal_ignoring_case(name, o.name) && equal_ignoring_case(value, o.value);
}

Clauses joined(Clauses first, const Clauses& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

}  // namespace corvane
