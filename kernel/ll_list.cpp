#include "kernel/ll_list.h"

#include <cstdlib>
#include <new>

#include "kernel/kernel_codes.h"
#include "kernel/kernel_messages.h"

namespace dxfelem {

bool ll_is_owned_type(int32_t type) {
  return type == 50 || type == 51 || type == 62 || type == 63 || type == 81 || type == 82;
}

ll_list* ll_create_list() {
  ll_list* list = new (std::nothrow) ll_list{nullptr, nullptr, nullptr, 0};
  if (list == nullptr) tg_memory_error("ll_create_list");
  return list;
}

int ll_add_list_item(ll_list* list, int where, void* data, int32_t type) {
  if (list == nullptr) return 0;
  ll_item* item = new (std::nothrow) ll_item{data, type, nullptr, nullptr};
  if (item == nullptr) {
    tg_memory_error("ll_add_list_item");
    return 0;
  }
  if (list->head == nullptr) {
    list->head = list->tail = item;
  } else if (where == LL_HEAD) {
    item->next = list->head;
    list->head->previous = item;
    list->head = item;
  } else if (where == LL_NEXT && list->current != nullptr) {
    ll_item* after = list->current;
    item->previous = after;
    item->next = after->next;
    if (after->next != nullptr) after->next->previous = item;
    else list->tail = item;
    after->next = item;
  } else if (where == LL_PREVIOUS && list->current != nullptr) {
    ll_item* before = list->current;
    item->next = before;
    item->previous = before->previous;
    if (before->previous != nullptr) before->previous->next = item;
    else list->head = item;
    before->previous = item;
  } else {
    // After the tail; also for a cursor-relative add without a cursor.
    item->previous = list->tail;
    list->tail->next = item;
    list->tail = item;
  }
  list->current = item;
  ++list->count;
  return 1;
}

int ll_move(ll_list* list, int to) {
  if (list == nullptr || list->head == nullptr) return LL_TAIL;
  switch (to) {
    case LL_HEAD:
      list->current = list->head;
      return LL_HEAD;
    case LL_NEXT:
      if (list->current == nullptr || list->current->next == nullptr) {
        list->current = list->head;
        return LL_HEAD;
      }
      list->current = list->current->next;
      return LL_NEXT;
    case LL_PREVIOUS:
      if (list->current == nullptr || list->current->previous == nullptr) {
        list->current = list->tail;
        return LL_TAIL;
      }
      list->current = list->current->previous;
      return LL_PREVIOUS;
    default:
      list->current = list->tail;
      return LL_TAIL;
  }
}

void* ll_current_data(const ll_list* list) {
  return list != nullptr && list->current != nullptr ? list->current->data : nullptr;
}

int32_t ll_current_type(const ll_list* list) {
  return list != nullptr && list->current != nullptr ? list->current->type : 0;
}

int32_t ll_count(const ll_list* list) { return list != nullptr ? list->count : 0; }

void* ll_remove(ll_list* list, int which) {
  if (list == nullptr || list->head == nullptr) return nullptr;
  ll_item* item = nullptr;
  switch (which) {
    case LL_HEAD: item = list->head; break;
    case LL_TAIL: item = list->tail; break;
    case LL_NEXT: item = list->current != nullptr ? list->current->next : nullptr; break;
    case LL_PREVIOUS: item = list->current != nullptr ? list->current->previous : nullptr; break;
    default: item = list->current; break;
  }
  if (item == nullptr) return nullptr;
  if (item->previous != nullptr) item->previous->next = item->next;
  else list->head = item->next;
  if (item->next != nullptr) item->next->previous = item->previous;
  else list->tail = item->previous;
  // The cursor stays near where it was.
  if (list->current == item) list->current = item->next != nullptr ? item->next : item->previous;
  --list->count;
  void* data = item->data;
  delete item;
  return data;
}

int ll_free_items(ll_list* list) {
  if (list == nullptr || list->head == nullptr) return TG_OK;
  const ll_item* decider = list->current != nullptr ? list->current : list->head;
  if (!ll_is_owned_type(decider->type)) return 1;
  while (list->head != nullptr) std::free(ll_remove(list, LL_HEAD));
  *list = ll_list{nullptr, nullptr, nullptr, 0};
  return TG_OK;
}

int ll_free_header(ll_list* list) {
  if (list == nullptr) return TG_OK;
  if (list->head != nullptr) return TG_LIST_NOT_EMPTY;
  delete list;
  return TG_OK;
}

}  // namespace dxfelem
