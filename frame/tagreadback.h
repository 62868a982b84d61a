// Reading a tag back is the writer turned round: each attribute clause a
// dialog declares can put the value of the attribute it writes back into
// its controls.  A clause that cannot hold a value says so; the attribute
// is then kept as it was written.
#pragma once
#include <string>
#include <vector>

#include "frame/clause.h"
#include "frame/form.h"
#include "frame/tagreader.h"

namespace corvane {

// Puts the value of `a` (an attribute of `tag`) into the controls of `c`;
// false when they cannot hold it.
bool read_clause(Form& f, const Clause& c, const TagAttribute& a, const StartTag& tag);
// Puts the clause's controls where it writes nothing, before a tag is read.
void clear_clause(Form& f, const Clause& c);
// The attribute names the clause writes, as the form spells them.
std::vector<std::string> clause_names(const Form& f, const Clause& c);
// The controls the clause writes from and reads into, in its order.
std::vector<std::string> clause_controls(const Clause& c);

}  // namespace corvane
