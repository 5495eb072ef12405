// CList<TYPE, ARG_TYPE>: the framework's doubly linked list, walked by
// POSITION (GetHeadPosition, then GetNext until the position is null; or
// GetTailPosition and GetPrev). A position stays valid until its own
// element is removed. CObList, CPtrList and CStringList are lists of it.
//
// Serialize stores the count, then each element through SerializeElements
// (as CArray does); loading adds the elements read to the tail, one at a
// time, so that what it allocates follows what it has read. After a load
// that failed part way, the elements read so far are in the list.
#pragma once

#include "afx/base/AfxArray.h"
#include "afx/base/AfxCollBase.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  typedef TYPE BASE_TYPE;
  typedef ARG_TYPE BASE_ARG_TYPE;

  // The block size of the framework's node allocator; nodes are allocated
  // one by one here.
  explicit CList(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~CList() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  // The list must not be empty.
  TYPE& GetHead() { return m_pNodeHead->data; }
  const TYPE& GetHead() const { return m_pNodeHead->data; }
  TYPE& GetTail() { return m_pNodeTail->data; }
  const TYPE& GetTail() const { return m_pNodeTail->data; }
  TYPE RemoveHead() { return Take(m_pNodeHead); }
  TYPE RemoveTail() { return Take(m_pNodeTail); }

  POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(Pos(m_pNodeHead), newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(Pos(m_pNodeTail), newElement); }
  // Copies of another list's elements, in their order (the list may be
  // this one).
  void AddHead(CList* pNewList);
  void AddTail(CList* pNewList);
  void RemoveAll();

  POSITION GetHeadPosition() const { return Pos(m_pNodeHead); }
  POSITION GetTailPosition() const { return Pos(m_pNodeTail); }
  // The element at rPosition; rPosition moves to the next (previous) one,
  // null after the last (first).
  TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, &CNode::pNext)->data; }
  const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, &CNode::pNext)->data; }
  TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, &CNode::pPrev)->data; }
  const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, &CNode::pPrev)->data; }

  TYPE& GetAt(POSITION position) { return Node(position)->data; }
  const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
  void SetAt(POSITION position, ARG_TYPE newElement) { Node(position)->data = newElement; }
  void RemoveAt(POSITION position);
  // A null position inserts at the head (InsertBefore) or the tail
  // (InsertAfter). Returns the new element's position.
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

  // The first element equal to searchValue (CompareElements) after
  // startAfter (from the head when null); null when there is none.
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const;
  // The nIndex-th element from the head; null when out of range.
  POSITION FindIndex(INT_PTR nIndex) const;

  void Serialize(CArchive& ar) override;

 protected:
  // Loading: reads one element (a typed list checks its class here).
  virtual void LoadElement(CArchive& ar, TYPE& element) { SerializeElements<TYPE>(ar, &element, 1); }

 private:
  static CNode* Node(POSITION position) { return reinterpret_cast<CNode*>(position); }
  static POSITION Pos(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
  static CNode* Step(POSITION& rPosition, CNode* CNode::*pLink) {
    CNode* pNode = Node(rPosition);
    rPosition = Pos(pNode->*pLink);
    return pNode;
  }
  // Links a new element between two neighbours (null at the ends).
  POSITION Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement);
  void Unlink(CNode* pNode);
  // Removes the node and returns its element.
  TYPE Take(CNode* pNode);

  CNode* m_pNodeHead = nullptr;
  CNode* m_pNodeTail = nullptr;
  INT_PTR m_nCount = 0;
};

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Link(CNode* pPrev, CNode* pNext, ARG_TYPE newElement) {
  CNode* pNode = afx_detail::NewOrThrow<CNode>(CNode{pNext, pPrev, newElement});
  (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
  (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
  ++m_nCount;
  return Pos(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement) {
  CNode* pNext = position != nullptr ? Node(position) : m_pNodeHead;
  return Link(pNext != nullptr ? pNext->pPrev : nullptr, pNext, newElement);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement) {
  CNode* pPrev = position != nullptr ? Node(position) : m_pNodeTail;
  return Link(pPrev, pPrev != nullptr ? pPrev->pNext : nullptr, newElement);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Unlink(CNode* pNode) {
  (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
  (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
  --m_nCount;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAt(POSITION position) {
  CNode* pNode = Node(position);
  Unlink(pNode);
  delete pNode;
}

template <class TYPE, class ARG_TYPE>
TYPE CList<TYPE, ARG_TYPE>::Take(CNode* pNode) {
  TYPE element(std::move(pNode->data));
  RemoveAt(Pos(pNode));
  return element;
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::RemoveAll() {
  while (m_pNodeHead != nullptr) RemoveAt(Pos(m_pNodeHead));
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddHead(CList* pNewList) {
  if (pNewList == nullptr) return;
  // Walked from its tail, each new element before the head; the count
  // bounds the walk when the list is this one.
  CNode* pNode = pNewList->m_pNodeTail;
  for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pPrev) AddHead(pNode->data);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::AddTail(CList* pNewList) {
  if (pNewList == nullptr) return;
  CNode* pNode = pNewList->m_pNodeHead;
  for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext) AddTail(pNode->data);
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const {
  CNode* pNode = startAfter != nullptr ? Node(startAfter)->pNext : m_pNodeHead;
  for (; pNode != nullptr; pNode = pNode->pNext) {
    if (CompareElements<TYPE>(&pNode->data, &searchValue)) return Pos(pNode);
  }
  return nullptr;
}

template <class TYPE, class ARG_TYPE>
POSITION CList<TYPE, ARG_TYPE>::FindIndex(INT_PTR nIndex) const {
  if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
  CNode* pNode = m_pNodeHead;
  while (nIndex-- > 0) pNode = pNode->pNext;
  return Pos(pNode);
}

template <class TYPE, class ARG_TYPE>
void CList<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
    for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext) {
      SerializeElements<TYPE>(ar, &pNode->data, 1);
    }
    return;
  }
  // The count is checked against the bytes left; nothing is allocated for
  // an element before its data has been read.
  for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; --nCount) {
    TYPE element{};
    LoadElement(ar, element);
    AddTail(element);
  }
}
