// ThreadSanitizer build only. Boost.Regex's matcher takes its backtracking blocks from a
// lock-free cache inside the compiled libboost_regex, whose atomics ThreadSanitizer cannot
// see (Debian's library is not instrumented). A block handed from one thread's search to
// another's through that cache is then reported as a race in the header code that fills it.
// Defining the two block functions here, in the instrumented program, replaces the cache
// with plain allocation, so every hand-over goes through allocations ThreadSanitizer sees
// and no suppression is needed.

#include <boost/regex.hpp>
#include <new>

namespace boost::BOOST_REGEX_DETAIL_NS {

BOOST_REGEX_DECL void* BOOST_REGEX_CALL get_mem_block() {
    return ::operator new(BOOST_REGEX_BLOCKSIZE);
}

BOOST_REGEX_DECL void BOOST_REGEX_CALL put_mem_block(void* block) {
    ::operator delete(block);
}

}  // namespace boost::BOOST_REGEX_DETAIL_NS
