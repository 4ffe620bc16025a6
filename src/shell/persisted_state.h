#pragma once
// What the batch run needs of the data files: the domain list, the delay setting and the
// closing of the open data files. Knows nothing of the window toolkit.

#include "lookups/text.h"

namespace zerlith {

class PersistedState {
  public:
    virtual ~PersistedState() = default;
    // The domain list file under the read rule; it stays open until close_all_data_files.
    virtual Text read_domain_list_file() = 0;
    // The delay setting at this moment, a whole value, possibly empty.
    virtual Text current_delay_setting() = 0;
    virtual void close_all_data_files() = 0;
};

}  // namespace zerlith
