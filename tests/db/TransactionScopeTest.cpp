#include <stdexcept>

#include "EngineTest.h"
#include "db/TransactionScope.h"

using DBKernel::TransactionScope;

// What each policy commits and undoes, seen from a second session, which sees only
// committed rows.
class TransactionScopeTest : public KernelTest {
protected:
    void SetUp() override {
        KernelTest::SetUp();
        exec("create table t (id integer primary key)");
    }
    void insert(TSessionHolder& session, int id) const {
        DBKernel::Sql::Command("insert into t values (" + std::to_string(id) + ")", session).execute();
    }
    // The committed ids, in order, as "1,2".
    std::string committed() const {
        TSessionHolder other(false);
        std::string ids;
        for (DBKernel::Sql::OpenedQuery query("select id from t order by id", other); query; query.next())
            ids += (ids.empty() ? "" : ",") + query.at(0).asString();
        return ids;
    }
    // Runs the work in a scope that fails before it commits.
    template <class Work>
    void failInScope(TSessionHolder& session, TransactionScope::Policy policy, Work work) const {
        EXPECT_THROW(
            {
                TransactionScope scope(session, policy);
                work();
                throw std::runtime_error("work failed");
            },
            std::runtime_error);
    }
};
KORVEL_ON_EACH_ENGINE(TransactionScopeTest);

TEST_P(TransactionScopeTest, EveryPolicyWithoutAnOpenTransactionCommitsItsOwnOrUndoesItOnUnwinding) {
    TSessionHolder holder = session();
    int id = 0;
    for (auto policy : {TransactionScope::StartOwn, TransactionScope::JoinOpen, TransactionScope::AdoptOpen}) {
        ++id;
        {
            TransactionScope scope(holder, policy);
            EXPECT_TRUE(scope.ownsTransaction());
            insert(holder, id);
            EXPECT_EQ(committed().find(std::to_string(id)), std::string::npos) << "visible before the commit";
            scope.commit();
        }
        EXPECT_FALSE(holder.InTransaction());
        failInScope(holder, policy, [&] { insert(holder, 10 + id); });
        EXPECT_FALSE(holder.InTransaction());
    }
    EXPECT_EQ(committed(), "1,2,3");
}

TEST_P(TransactionScopeTest, StartOwnRefusesAnOpenTransactionAndLeavesItToItsCaller) {
    TSessionHolder holder = session();
    holder.StartTransaction();
    insert(holder, 1);
    EXPECT_THROW(TransactionScope(holder, TransactionScope::StartOwn), std::logic_error);
    EXPECT_TRUE(holder.InTransaction());
    holder.Commit();
    EXPECT_EQ(committed(), "1");
}

TEST_P(TransactionScopeTest, AJoinedScopeNeitherCommitsNorUndoesTheCallersWork) {
    TSessionHolder holder = session();
    holder.StartTransaction();
    insert(holder, 1);
    {
        TransactionScope scope(holder, TransactionScope::JoinOpen);
        EXPECT_FALSE(scope.ownsTransaction());
        insert(holder, 2);
        scope.commit();
    }
    EXPECT_TRUE(holder.InTransaction());
    EXPECT_EQ(committed(), "");
    failInScope(holder, TransactionScope::JoinOpen, [&] { insert(holder, 3); });
    ASSERT_TRUE(holder.InTransaction());
    holder.Commit();
    EXPECT_EQ(committed(), "1,2,3");
}

TEST_P(TransactionScopeTest, AnAdoptedTransactionIsCommittedOrUndoneWithTheCallersWork) {
    TSessionHolder holder = session();
    holder.StartTransaction();
    insert(holder, 1);
    failInScope(holder, TransactionScope::AdoptOpen, [&] { insert(holder, 2); });
    EXPECT_FALSE(holder.InTransaction());
    EXPECT_EQ(committed(), "");

    holder.StartTransaction();
    insert(holder, 3);
    TransactionScope scope(holder, TransactionScope::AdoptOpen);
    EXPECT_TRUE(scope.ownsTransaction());
    scope.commit();
    EXPECT_FALSE(holder.InTransaction());
    EXPECT_EQ(committed(), "3");
}

TEST_P(TransactionScopeTest, PackagesCommittedAlongTheWayStayWhenALaterOneFails) {
    TSessionHolder holder = session();
    EXPECT_THROW(
        {
            TransactionScope scope(holder, TransactionScope::AdoptOpen);
            insert(holder, 1);
            scope.commitAndBegin();
            EXPECT_TRUE(holder.InTransaction());
            insert(holder, 2);
            scope.commitAndBegin();
            insert(holder, 3);
            throw std::runtime_error("package failed");
        },
        std::runtime_error);
    EXPECT_FALSE(holder.InTransaction());
    EXPECT_EQ(committed(), "1,2");

    // A joined scope leaves the package boundaries to the caller.
    holder.StartTransaction();
    insert(holder, 4);
    TransactionScope joined(holder, TransactionScope::JoinOpen);
    joined.commitAndBegin();
    EXPECT_EQ(committed(), "1,2");
    holder.Rollback();
    EXPECT_EQ(committed(), "1,2");
}
