#include "lookups/lookups.h"

#include "lookups/lookup_procedure.h"

namespace zerlith {

namespace {

Text lookup_row(std::size_t row, const Text& domain) {
    return run_lookup(lookup_table()[row], domain);
}

}  // namespace

Text PR(const Text& domain) {
    return lookup_row(0, domain);
}
Text 百度权重(const Text& domain) {
    return lookup_row(1, domain);
}
Text 百度快照(const Text& domain) {
    return lookup_row(2, domain);
}
Text 百度收录(const Text& domain) {
    return lookup_row(3, domain);
}
Text 谷歌收录(const Text& domain) {
    return lookup_row(4, domain);
}
Text 搜搜收录(const Text& domain) {
    return lookup_row(5, domain);
}
Text 雅虎外链(const Text& domain) {
    return lookup_row(6, domain);
}
Text 百度外链(const Text& domain) {
    return lookup_row(7, domain);
}
Text 谷歌外链(const Text& domain) {
    return lookup_row(8, domain);
}

}  // namespace zerlith
