#include "update/update_results.h"

#include "platform/user_store.h"

TUpdateResults::TUpdateResults() = default;

TUpdateResults::~TUpdateResults() = default;
