#include <afxcoll.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

template <class LIST> std::string Joined(const LIST& list)
{
    std::string text;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        text += list.GetNext(pos);
    return text;
}

std::string Joined(const CUIntArray& array)
{
    std::string text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += std::to_string(array[i]) + (i + 1 < array.GetSize() ? "," : "");
    return text;
}

TEST(CArray, SetSizeGrowsWithZerosAndShrinks)
{
    CUIntArray array;
    EXPECT_TRUE(array.IsEmpty());
    EXPECT_EQ(array.GetUpperBound(), -1);
    EXPECT_EQ(array.GetData(), nullptr);
    array.Add(7);
    array.SetSize(4, 16);
    EXPECT_EQ(Joined(array), "7,0,0,0");
    array.SetSize(2);
    EXPECT_EQ(Joined(array), "7,0");
    EXPECT_EQ(array.GetCount(), 2);
    EXPECT_THROW(array.SetSize(-1), CInvalidArgException*);
    array.RemoveAll();
    EXPECT_EQ(array.GetSize(), 0);
}

TEST(CArray, IndexingOutOfRangeThrows)
{
    CDWordArray array;
    array.Add(1);
    EXPECT_THROW(array.GetAt(1), CInvalidArgException*);
    EXPECT_THROW(array[-1], CInvalidArgException*);
    EXPECT_THROW(array.SetAt(5, 1), CInvalidArgException*);
    EXPECT_THROW(array.ElementAt(1), CInvalidArgException*);
    array[0] = 9;
    EXPECT_EQ(array.GetAt(0), 9u);
    EXPECT_EQ(array.GetData()[0], 9u);
}

TEST(CArray, InsertAtInsideAndBeyondTheEnd)
{
    CUIntArray array;
    array.Add(1);
    array.Add(4);
    array.InsertAt(1, 2, 2);
    EXPECT_EQ(Joined(array), "1,2,2,4");
    UINT zero = 0; // a literal 0 would also match the array-pointer overload, as with MFC
    array.InsertAt(0, zero);
    EXPECT_EQ(Joined(array), "0,1,2,2,4");
    // Inserting past the end fills the gap with zeros.
    array.InsertAt(7, 9);
    EXPECT_EQ(Joined(array), "0,1,2,2,4,0,0,9");
    EXPECT_THROW(array.InsertAt(-1, 1), CInvalidArgException*);
    EXPECT_THROW(array.InsertAt(0, 1, 0), CInvalidArgException*);

    CUIntArray other;
    other.Add(5);
    other.Add(6);
    array.InsertAt(1, &other);
    EXPECT_EQ(Joined(array), "0,5,6,1,2,2,4,0,0,9");
    array.InsertAt(0, &array);
    EXPECT_EQ(array.GetSize(), 20);
    EXPECT_EQ(array[10], 0u);
    EXPECT_EQ(array[19], 9u);
    EXPECT_THROW(array.InsertAt(0, static_cast<CUIntArray*>(nullptr)), CInvalidArgException*);
}

TEST(CArray, RemoveAtChecksTheWholeRange)
{
    CUIntArray array;
    for (UINT i = 0; i < 6; ++i)
        array.Add(i);
    array.RemoveAt(1, 2);
    EXPECT_EQ(Joined(array), "0,3,4,5");
    array.RemoveAt(3);
    EXPECT_EQ(Joined(array), "0,3,4");
    EXPECT_THROW(array.RemoveAt(2, 2), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(3), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(-1), CInvalidArgException*);
    EXPECT_THROW(array.RemoveAt(0, -1), CInvalidArgException*);
    array.RemoveAt(0, 0);
    EXPECT_EQ(Joined(array), "0,3,4");
}

TEST(CArray, ElementsOfTheArrayItselfMayBeAdded)
{
    // Adding an element of the array while the array reallocates must copy it first.
    CStringArray array;
    array.Add("first");
    for (int i = 0; i < 100; ++i)
        array.Add(array[0]);
    EXPECT_EQ(array.GetSize(), 101);
    EXPECT_EQ(array[100], "first");
    array.InsertAt(0, array[100], 50);
    EXPECT_EQ(array[49], "first");

    CStringArray copy;
    copy.Copy(array);
    EXPECT_EQ(copy.Append(copy), 151);
    EXPECT_EQ(copy.GetSize(), 302);
    copy.Copy(copy);
    EXPECT_EQ(copy.GetSize(), 302);

    array.SetAtGrow(3, "three");
    array.SetAtGrow(200, array[3]);
    EXPECT_EQ(array.GetSize(), 201);
    EXPECT_EQ(array[199], "");
    EXPECT_EQ(array[200], "three");
    EXPECT_THROW(array.SetAtGrow(-1, "x"), CInvalidArgException*);
}

TEST(CList, AddIterateAndRemoveWhileIterating)
{
    CStringList list;
    list.AddTail("b");
    list.AddTail("c");
    list.AddHead("a");
    EXPECT_EQ(Joined(list), "abc");
    EXPECT_EQ(list.GetHead(), "a");
    EXPECT_EQ(list.GetTail(), "c");

    // Removing the element just returned keeps the iteration going.
    list.AddTail("b");
    for (POSITION pos = list.GetHeadPosition(); pos;)
    {
        POSITION current = pos;
        if (list.GetNext(pos) == "b")
            list.RemoveAt(current);
    }
    EXPECT_EQ(Joined(list), "ac");
    EXPECT_EQ(list.GetCount(), 2);

    std::string backwards;
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards += list.GetPrev(pos);
    EXPECT_EQ(backwards, "ca");

    EXPECT_EQ(list.RemoveHead(), "a");
    EXPECT_EQ(list.RemoveTail(), "c");
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_THROW(list.GetHead(), CInvalidArgException*);
    EXPECT_THROW(list.RemoveTail(), CInvalidArgException*);
    POSITION none = nullptr;
    EXPECT_THROW(list.GetNext(none), CInvalidArgException*);
}

TEST(CList, InsertFindAndIndex)
{
    CStringList list;
    POSITION b = list.InsertAfter(nullptr, "b");
    list.InsertBefore(b, "a");
    POSITION d = list.InsertAfter(b, "d");
    list.InsertBefore(d, "c");
    list.InsertBefore(nullptr, "^");
    list.InsertAfter(nullptr, "$");
    EXPECT_EQ(Joined(list), "^abcd$");

    list.AddTail("b");
    POSITION first = list.Find("b");
    EXPECT_EQ(first, b);
    POSITION second = list.Find("b", first);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(list.Find("b", second), nullptr);
    EXPECT_EQ(list.Find("zz"), nullptr);
    EXPECT_EQ(list.GetAt(list.FindIndex(3)), "c");
    EXPECT_EQ(list.FindIndex(7), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    list.SetAt(second, "B");
    EXPECT_EQ(list.GetTail(), "B");
}

TEST(CList, AddingAListKeepsItsOrderEvenToItself)
{
    CStringList list;
    list.AddTail("x");
    list.AddTail("y");
    CStringList other;
    other.AddTail("1");
    other.AddTail("2");
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(Joined(list), "12xy12");

    CStringList self;
    self.AddTail("p");
    self.AddTail("q");
    self.AddTail(&self);
    self.AddHead(&self);
    EXPECT_EQ(Joined(self), "pqpqpqpq");
}

TEST(CList, PointerAndObjectLists)
{
    int values[3] = {};
    CPtrList pointers;
    for (int& value : values)
        pointers.AddTail(&value);
    EXPECT_EQ(pointers.Find(&values[1]), pointers.FindIndex(1));
    EXPECT_EQ(pointers.GetAt(pointers.GetTailPosition()), &values[2]);

    CObList objects;
    CStringArray owned;
    objects.AddTail(&owned);
    EXPECT_TRUE(objects.GetHead()->IsKindOf(RUNTIME_CLASS(CStringArray)));
    EXPECT_TRUE(objects.IsKindOf(RUNTIME_CLASS(CObList)));
}

TEST(CMap, LookupInsertAndRemove)
{
    CMapStringToString map;
    CString value;
    EXPECT_FALSE(map.Lookup("missing", value));
    EXPECT_EQ(map.GetStartPosition(), nullptr);

    map.SetAt("one", "1");
    map["two"] = "2";
    map.SetAt("one", "uno");
    EXPECT_EQ(map.GetCount(), 2);
    ASSERT_TRUE(map.Lookup("one", value));
    EXPECT_EQ(value, "uno");
    EXPECT_EQ(map["three"], ""); // operator[] adds an empty entry
    EXPECT_EQ(map.GetCount(), 3);
    ASSERT_NE(map.PLookup("two"), nullptr);
    EXPECT_EQ(map.PLookup("two")->value, "2");

    EXPECT_TRUE(map.RemoveKey("two"));
    EXPECT_FALSE(map.RemoveKey("two"));
    EXPECT_FALSE(map.Lookup("two", value));
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.RemoveKey("one"));
}

TEST(CMap, StringKeysIterateInHashBucketOrder)
{
    // With 17 buckets and the hash*33+c string hash: "q" lands in bucket 11, "a" and "r" in
    // bucket 12 (newest first), "b" in 13.
    CMapStringToPtr map;
    int marker = 0;
    map.SetAt("b", &marker);
    map.SetAt("a", &marker);
    map.SetAt("q", &marker);
    map.SetAt("r", &marker);
    std::string order;
    CString key;
    void* value = nullptr;
    for (POSITION pos = map.GetStartPosition(); pos;)
    {
        map.GetNextAssoc(pos, key, value);
        order += key;
        EXPECT_EQ(value, &marker);
    }
    EXPECT_EQ(order, "qrab");
    EXPECT_EQ(HashKey<LPCSTR>("ab"), 97u * 33 + 98);
}

TEST(CMap, RemovingTheCurrentEntryWhileIteratingAndRehashing)
{
    CMap<int, int, int, int> map;
    for (int i = 0; i < 100; ++i)
        map[i] = i * i;
    int key = 0;
    int value = 0;
    for (POSITION pos = map.GetStartPosition(); pos;)
    {
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ(value, key * key);
        if (key % 2)
            map.RemoveKey(key);
    }
    EXPECT_EQ(map.GetCount(), 50);

    map.InitHashTable(101);
    EXPECT_EQ(map.GetHashTableSize(), 101u);
    EXPECT_EQ(map.GetCount(), 50);
    int seen = 0;
    for (auto* pair = map.PGetFirstAssoc(); pair; pair = map.PGetNextAssoc(pair))
    {
        EXPECT_EQ(pair->key % 2, 0);
        EXPECT_EQ(pair->value, pair->key * pair->key);
        ++seen;
    }
    EXPECT_EQ(seen, 50);
    EXPECT_TRUE(map.Lookup(98, value));
    EXPECT_EQ(value, 98 * 98);
    EXPECT_THROW(map.InitHashTable(0), CInvalidArgException*);
    POSITION none = nullptr;
    EXPECT_THROW(map.GetNextAssoc(none, key, value), CInvalidArgException*);
}

TEST(CMap, PointerMaps)
{
    int a = 0;
    int b = 0;
    CMapPtrToPtr map;
    map.SetAt(&a, &b);
    void* found = nullptr;
    EXPECT_TRUE(map.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(map.Lookup(&b, found));

    CMapWordToPtr words;
    words[7] = &a;
    EXPECT_TRUE(words.Lookup(7, found));
    EXPECT_EQ(found, &a);
}

struct Item
{
    int id;
};

TEST(TypedPtrCollections, CastToTheElementType)
{
    Item one{1};
    Item two{2};
    CTypedPtrArray<CPtrArray, Item*> array;
    array.Add(&one);
    array.SetAtGrow(2, &two);
    EXPECT_EQ(array[0]->id, 1);
    EXPECT_EQ(array.GetAt(1), nullptr);
    array[1] = &two;
    EXPECT_EQ(array.GetAt(1)->id, 2);

    CTypedPtrList<CPtrList, Item*> list;
    list.AddTail(&one);
    list.AddHead(&two);
    POSITION pos = list.GetHeadPosition();
    EXPECT_EQ(list.GetNext(pos)->id, 2);
    EXPECT_EQ(list.GetNext(pos)->id, 1);
    EXPECT_EQ(list.RemoveHead()->id, 2);

    CTypedPtrMap<CMapStringToPtr, CString, Item*> map;
    map.SetAt("one", &one);
    map["two"] = &two;
    Item* found = nullptr;
    EXPECT_TRUE(map.Lookup("two", found));
    EXPECT_EQ(found->id, 2);
    int total = 0;
    CString key;
    for (POSITION it = map.GetStartPosition(); it;)
    {
        map.GetNextAssoc(it, key, found);
        total += found->id;
    }
    EXPECT_EQ(total, 3);
}

TEST(Collections, RuntimeClasses)
{
    CStringArray strings;
    CMapStringToString map;
    CObArray objects;
    EXPECT_STREQ(strings.GetRuntimeClass()->m_lpszClassName, "CStringArray");
    EXPECT_TRUE(map.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(objects.IsKindOf(RUNTIME_CLASS(CStringArray)));
}

} // namespace
