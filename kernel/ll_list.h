// The kernel's doubly linked list of typed items, with a cursor.
#pragma once

#include <cstdint>

namespace dxfelem {

// Item types the kernel uses; 63 is a 3D point record.
enum : int32_t { LL_TYPE_POINT_3D = 63 };

struct ll_item {
  void* data;
  int32_t type;
  ll_item* previous;
  ll_item* next;
};

struct ll_list {
  ll_item* head;
  ll_item* tail;
  ll_item* current;
  int32_t count;
};

// Positions for adding, moving and removing.
enum : int { LL_HEAD = 0, LL_TAIL = 1, LL_NEXT = 2, LL_PREVIOUS = 3, LL_CURRENT = 4 };

// The types whose data the list owns: freeing the items frees their data.
bool ll_is_owned_type(int32_t type);

// A new, empty list; null (after the memory message) when memory is exhausted.
ll_list* ll_create_list();
// Adds an item: LL_HEAD before the head, LL_NEXT after the current item,
// LL_PREVIOUS before it, anything else after the tail. The new item becomes
// current. 1, or 0 without a list or memory.
int ll_add_list_item(ll_list* list, int where, void* data, int32_t type);
// Moves the cursor: LL_HEAD, LL_TAIL, LL_NEXT, LL_PREVIOUS. Answers `to`;
// past the tail the cursor goes to the head and the answer is LL_HEAD,
// before the head it goes to the tail with LL_TAIL. An empty list answers LL_TAIL.
int ll_move(ll_list* list, int to);
void* ll_current_data(const ll_list* list);
int32_t ll_current_type(const ll_list* list);  // 0 without a current item
int32_t ll_count(const ll_list* list);
// Removes an item (LL_HEAD, LL_TAIL, LL_NEXT after current, LL_PREVIOUS
// before it, anything else the current item) and answers its data.
void* ll_remove(ll_list* list, int which);
// Frees every item, and their data when the current item's type is owned:
// 0, or 1 (nothing changed) for a type that is not owned.
int ll_free_items(ll_list* list);
// Frees an empty header: 0, or TG_LIST_NOT_EMPTY when items remain.
int ll_free_header(ll_list* list);

}  // namespace dxfelem
