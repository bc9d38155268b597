// The MFC collection templates: CArray, CList, CMap and the typed pointer wrappers.
//
// Indexes and positions are checked: an index out of range, a negative size or count, a NULL
// POSITION, or reading the head or tail of an empty list throws CInvalidArgException (as MFC's
// checked accessors do) instead of touching memory, in every build. A POSITION of an element
// that has since been removed cannot be detected and must not be used, as with MFC.
//
// Maps keep MFC's layout: a fixed number of hash buckets (17 unless InitHashTable says otherwise),
// newest entry first within a bucket, and the classic string hash, so that iterating over a map
// visits its entries in the same order as MFC does for string keys. Code should not rely on it.
//
// Does not do:
// - Serialization, Dump and AssertValid of the elements, or CPlex block allocation (nBlockSize is
//   accepted and ignored).
// - CArray<bool>: elements live in a std::vector, whose bool form has no element addresses.
// - Allocation failure inside the collections surfaces as std::bad_alloc, not CMemoryException.
#pragma once
#include <afx.h>

#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

// ---- Element helpers (user code may provide its own for a type, as with MFC) ----

template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template <class ARG_KEY> inline UINT AFXAPI HashKey(ARG_KEY key)
{
    return static_cast<UINT>(((DWORD_PTR)key) >> 4);
}

template <> inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key)
{
    // hash * 33 + c over the (signed) characters.
    UINT nHash = 0;
    while (key && *key)
        nHash = (nHash << 5) + nHash + static_cast<UINT>(static_cast<int>(*key++));
    return nHash;
}

template <> inline UINT AFXAPI HashKey<LPSTR>(LPSTR key)
{
    return HashKey<LPCSTR>(key);
}

template <> inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCSTR>(key.GetString());
}

template <> inline UINT AFXAPI HashKey<CString>(CString key)
{
    return HashKey<LPCSTR>(key.GetString());
}

// ---- CArray ----

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
    static_assert(!std::is_same_v<TYPE, bool>, "CArray<bool> is not supported; use BOOL");

public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // Grows with value-initialized elements (zero for numbers and pointers) or shrinks.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        Reserve(nNewSize);
        m_data.resize(static_cast<size_t>(nNewSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // The new element is copied before the array moves, so it may be one of the array's own.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        TYPE value(newElement);
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = std::move(value);
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = GetSize();
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src)
    {
        INT_PTR nOldSize = GetSize();
        std::vector<TYPE> copy(src.m_data);
        Reserve(nOldSize + static_cast<INT_PTR>(copy.size()));
        m_data.insert(m_data.end(), copy.begin(), copy.end());
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (this != &src)
            m_data = src.m_data;
    }

    // Inserting at or beyond the end first grows the array to nIndex with empty elements.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount <= 0)
            AfxThrowInvalidArgException();
        TYPE value(newElement);
        if (nIndex > GetSize())
            SetSize(nIndex);
        Reserve(GetSize() + nCount);
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
    {
        if (!pNewArray || nStartIndex < 0)
            AfxThrowInvalidArgException();
        std::vector<TYPE> copy(pNewArray->m_data);
        if (copy.empty())
            return;
        if (nStartIndex > GetSize())
            SetSize(nStartIndex);
        Reserve(GetSize() + static_cast<INT_PTR>(copy.size()));
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nCount > GetSize() - nIndex)
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

private:
    size_t Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(nIndex);
    }
    // Honours SetSize's nGrowBy as the least number of slots added when the array must grow.
    void Reserve(INT_PTR nSize)
    {
        size_t wanted = static_cast<size_t>(nSize);
        if (wanted <= m_data.capacity())
            return;
        size_t grown = m_data.capacity() + m_data.capacity() / 2;
        size_t byGrowBy = m_data.size() + static_cast<size_t>(m_nGrowBy);
        m_data.reserve(std::max(wanted, std::max(grown, byGrowBy)));
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = 0;
};

// ---- CList ----

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) {}
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }
    TYPE RemoveHead()
    {
        CNode* node = NonEmpty(m_pNodeHead);
        TYPE value(std::move(node->data));
        Unlink(node);
        return value;
    }
    TYPE RemoveTail()
    {
        CNode* node = NonEmpty(m_pNodeTail);
        TYPE value(std::move(node->data));
        Unlink(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return Link(newElement, nullptr, m_pNodeHead); }
    POSITION AddTail(ARG_TYPE newElement) { return Link(newElement, m_pNodeTail, nullptr); }
    // Both keep the other list's order; a list may be added to itself.
    void AddHead(CList* pNewList)
    {
        if (!pNewList)
            AfxThrowInvalidArgException();
        CNode* node = pNewList->m_pNodeTail;
        for (INT_PTR n = pNewList->m_nCount; n > 0; --n)
        {
            CNode* previous = node->pPrev;
            AddHead(node->data);
            node = previous;
        }
    }
    void AddTail(CList* pNewList)
    {
        if (!pNewList)
            AfxThrowInvalidArgException();
        CNode* node = pNewList->m_pNodeHead;
        for (INT_PTR n = pNewList->m_nCount; n > 0; --n)
        {
            CNode* next = node->pNext;
            AddTail(node->data);
            node = next;
        }
    }
    void RemoveAll()
    {
        while (m_pNodeHead)
            Unlink(m_pNodeHead);
    }

    POSITION GetHeadPosition() const { return ToPosition(m_pNodeHead); }
    POSITION GetTailPosition() const { return ToPosition(m_pNodeTail); }
    // Return the element at rPosition and move rPosition on (NULL after the last element).
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false)->data; }
    TYPE& GetAt(POSITION position) { return FromPosition(position)->data; }
    const TYPE& GetAt(POSITION position) const { return FromPosition(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { FromPosition(pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(FromPosition(position)); }

    // A NULL position means the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddHead(newElement);
        CNode* node = FromPosition(position);
        return Link(newElement, node->pPrev, node);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        if (!position)
            return AddTail(newElement);
        CNode* node = FromPosition(position);
        return Link(newElement, node, node->pNext);
    }

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* node = startAfter ? FromPosition(startAfter)->pNext : m_pNodeHead;
        for (; node; node = node->pNext)
        {
            if (CompareElements<TYPE>(&node->data, &searchValue))
                return ToPosition(node);
        }
        return nullptr;
    }
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* node = m_pNodeHead;
        while (nIndex-- > 0)
            node = node->pNext;
        return ToPosition(node);
    }

private:
    static POSITION ToPosition(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* FromPosition(POSITION position)
    {
        if (!position || position == BEFORE_START_POSITION)
            AfxThrowInvalidArgException();
        return reinterpret_cast<CNode*>(position);
    }
    static CNode* NonEmpty(CNode* node)
    {
        if (!node)
            AfxThrowInvalidArgException();
        return node;
    }
    static CNode* Step(POSITION& rPosition, bool forward)
    {
        CNode* node = FromPosition(rPosition);
        rPosition = ToPosition(forward ? node->pNext : node->pPrev);
        return node;
    }
    POSITION Link(ARG_TYPE newElement, CNode* previous, CNode* next)
    {
        CNode* node = new CNode{next, previous, TYPE(newElement)};
        (previous ? previous->pNext : m_pNodeHead) = node;
        (next ? next->pPrev : m_pNodeTail) = node;
        ++m_nCount;
        return ToPosition(node);
    }
    void Unlink(CNode* node)
    {
        (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
        --m_nCount;
        delete node;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

// ---- CMap ----

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
public:
    typedef KEY BASE_KEY;
    typedef ARG_KEY BASE_ARG_KEY;
    typedef VALUE BASE_VALUE;
    typedef ARG_VALUE BASE_ARG_VALUE;

    class CPair
    {
    public:
        const KEY key;
        VALUE value{};

    protected:
        explicit CPair(ARG_KEY keyval) : key(keyval) {}
    };

private:
    class CAssoc : public CPair
    {
    public:
        CAssoc(ARG_KEY keyval, UINT hash) : CPair(keyval), nHashValue(hash) {}
        CAssoc* pNext = nullptr;
        UINT nHashValue;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* assoc = Find(key);
        if (!assoc)
            return FALSE;
        rValue = assoc->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const { return Find(key); }
    CPair* PLookup(ARG_KEY key) { return Find(key); }
    // Adds an entry with an empty value when the key is new.
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* assoc = Find(key))
            return assoc->value;
        if (m_buckets.empty())
            m_buckets.assign(m_nHashTableSize, nullptr);
        UINT hash = HashKey<ARG_KEY>(key);
        CAssoc* assoc = new CAssoc(key, hash);
        CAssoc*& head = m_buckets[hash % m_nHashTableSize];
        assoc->pNext = head;
        head = assoc;
        ++m_nCount;
        return assoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        for (CAssoc** link = &m_buckets[HashKey<ARG_KEY>(key) % m_nHashTableSize]; *link;
             link = &(*link)->pNext)
        {
            if (CompareElements<KEY>(&(*link)->key, &key))
            {
                CAssoc* assoc = *link;
                *link = assoc->pNext;
                delete assoc;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc*& head : m_buckets)
        {
            while (CAssoc* assoc = head)
            {
                head = assoc->pNext;
                delete assoc;
            }
        }
        m_buckets.clear();
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    // Fills in the entry at rNextPosition and moves it on (NULL after the last entry). Removing
    // the entry just returned is allowed while iterating.
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (!rNextPosition)
            AfxThrowInvalidArgException();
        const CAssoc* assoc = rNextPosition == BEFORE_START_POSITION
                                  ? First()
                                  : reinterpret_cast<const CAssoc*>(rNextPosition);
        if (!assoc)
            AfxThrowInvalidArgException();
        rKey = assoc->key;
        rValue = assoc->value;
        rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(Next(assoc)));
    }
    const CPair* PGetFirstAssoc() const { return First(); }
    CPair* PGetFirstAssoc() { return const_cast<CAssoc*>(First()); }
    const CPair* PGetNextAssoc(const CPair* pAssoc) const
    {
        if (!pAssoc)
            AfxThrowInvalidArgException();
        return Next(static_cast<const CAssoc*>(pAssoc));
    }
    CPair* PGetNextAssoc(const CPair* pAssoc)
    {
        return const_cast<CPair*>(std::as_const(*this).PGetNextAssoc(pAssoc));
    }

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Changes the number of buckets; entries already present are redistributed.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        if (hashSize == 0)
            AfxThrowInvalidArgException();
        std::vector<CAssoc*> old;
        old.swap(m_buckets);
        m_nHashTableSize = hashSize;
        if (bAllocNow || m_nCount > 0)
            m_buckets.assign(hashSize, nullptr);
        // Walk the old buckets from the back so that entries keep their newest-first order.
        for (auto bucket = old.rbegin(); bucket != old.rend(); ++bucket)
        {
            std::vector<CAssoc*> chain;
            for (CAssoc* assoc = *bucket; assoc; assoc = assoc->pNext)
                chain.push_back(assoc);
            for (auto it = chain.rbegin(); it != chain.rend(); ++it)
            {
                CAssoc*& head = m_buckets[(*it)->nHashValue % m_nHashTableSize];
                (*it)->pNext = head;
                head = *it;
            }
        }
    }

private:
    CAssoc* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        for (CAssoc* assoc = m_buckets[HashKey<ARG_KEY>(key) % m_nHashTableSize]; assoc;
             assoc = assoc->pNext)
        {
            if (CompareElements<KEY>(&assoc->key, &key))
                return assoc;
        }
        return nullptr;
    }
    const CAssoc* FirstFrom(size_t bucket) const
    {
        for (; bucket < m_buckets.size(); ++bucket)
        {
            if (m_buckets[bucket])
                return m_buckets[bucket];
        }
        return nullptr;
    }
    const CAssoc* First() const { return FirstFrom(0); }
    const CAssoc* Next(const CAssoc* assoc) const
    {
        if (assoc->pNext)
            return assoc->pNext;
        return FirstFrom(assoc->nHashValue % m_nHashTableSize + 1);
    }

    std::vector<CAssoc*> m_buckets;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
};

// ---- Typed pointer collections ----

// An array of TYPE pointers stored in a CPtrArray or CObArray.
template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR nIndex) const { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1)
    {
        BASE_CLASS::InsertAt(nIndex, newElement, nCount);
    }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray)
    {
        BASE_CLASS::InsertAt(nStartIndex, pNewArray);
    }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

// A list of TYPE pointers stored in a CPtrList or CObList.
template <class BASE_CLASS, class TYPE> class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return (TYPE&)BASE_CLASS::GetHead(); }
    TYPE GetHead() const { return (TYPE)BASE_CLASS::GetHead(); }
    TYPE& GetTail() { return (TYPE&)BASE_CLASS::GetTail(); }
    TYPE GetTail() const { return (TYPE)BASE_CLASS::GetTail(); }
    TYPE RemoveHead() { return (TYPE)BASE_CLASS::RemoveHead(); }
    TYPE RemoveTail() { return (TYPE)BASE_CLASS::RemoveTail(); }
    TYPE& GetNext(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetNext(rPosition); }
    TYPE GetNext(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetNext(rPosition); }
    TYPE& GetPrev(POSITION& rPosition) { return (TYPE&)BASE_CLASS::GetPrev(rPosition); }
    TYPE GetPrev(POSITION& rPosition) const { return (TYPE)BASE_CLASS::GetPrev(rPosition); }
    TYPE& GetAt(POSITION position) { return (TYPE&)BASE_CLASS::GetAt(position); }
    TYPE GetAt(POSITION position) const { return (TYPE)BASE_CLASS::GetAt(position); }
    void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
    POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
    POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
    void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
    void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
};

// A map whose values (and pointer keys) are typed, stored in one of the CMap... classes.
template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_VALUE value{};
        if (!BASE_CLASS::Lookup(key, value))
            return FALSE;
        rValue = (VALUE)value;
        return TRUE;
    }
    VALUE& operator[](typename BASE_CLASS::BASE_ARG_KEY key)
    {
        return (VALUE&)BASE_CLASS::operator[](key);
    }
    void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BASE_CLASS::BASE_KEY key{};
        typename BASE_CLASS::BASE_VALUE value{};
        BASE_CLASS::GetNextAssoc(rPosition, key, value);
        rKey = (KEY)key;
        rValue = (VALUE)value;
    }
};

#include <afxcoll.h>
