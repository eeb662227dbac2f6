#include "player/records/AtomicFile.h"
#include "player/records/RecordReader.h"
#include "player/records/RecordWriter.h"
#include "support/TempProject.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <limits>

#include <sys/stat.h>

namespace {

RecordReader readerOf(const char* text) { return RecordReader(QByteArray(text)); }

TEST(RecordFileTest, EveryValueWrittenReadsBackEqual)
{
    const QString tricky = QStringLiteral("  a, b;  Grüße — ça coûte 5 € ");
    RecordWriter out;
    out.writeString(tricky);
    out.writeString(QString());
    out.writeInteger(std::numeric_limits<qint16>::min());
    out.writeInteger(std::numeric_limits<qint16>::max());
    out.writeSingle(0.5f);
    out.writeSingle(1350.0f);
    out.writeSingle(1.5e7f);
    out.writeSingle(-0.1f);
    out.writeDouble(640);
    out.writeBoolean(true);
    out.writeBoolean(false);

    RecordReader in(out.data());
    QString s1, s2;
    qint16 low = 0, high = 0;
    float half = 0, big = 0, huge = 0, negative = 0;
    qint16 width = 0;
    bool yes = false, no = true;
    ASSERT_TRUE(in.readString(s1));
    ASSERT_TRUE(in.readString(s2));
    ASSERT_TRUE(in.readInt16(low));
    ASSERT_TRUE(in.readInt16(high));
    ASSERT_TRUE(in.readSingle(half));
    ASSERT_TRUE(in.readSingle(big));
    ASSERT_TRUE(in.readSingle(huge));
    ASSERT_TRUE(in.readSingle(negative));
    ASSERT_TRUE(in.readInt16(width));
    ASSERT_TRUE(in.readBoolean(yes));
    ASSERT_TRUE(in.readBoolean(no));
    EXPECT_TRUE(in.atEnd());

    // Blanks around a value are skipped, so leading and trailing blanks of a
    // quoted string survive only inside the quotes.
    EXPECT_EQ(s1, tricky);
    EXPECT_EQ(s2, QString());
    EXPECT_EQ(low, -32768);
    EXPECT_EQ(high, 32767);
    EXPECT_EQ(half, 0.5f);
    EXPECT_EQ(big, 1350.0f);
    EXPECT_EQ(huge, 1.5e7f);
    EXPECT_EQ(negative, -0.1f);
    EXPECT_EQ(width, 640);
    EXPECT_TRUE(yes);
    EXPECT_FALSE(no);
}

TEST(RecordFileTest, WritesTheFileFormExactly)
{
    RecordWriter out;
    out.writeString(QStringLiteral("Shore"));
    out.writeBoolean(true);
    out.writeBoolean(false);
    out.writeDouble(640);
    out.writeSingle(2.5f);
    out.writeInteger(-1);
    out.writeSingle(1.5e7f);
    EXPECT_EQ(out.data(), QByteArray("\"Shore\"\r\n#TRUE#\r\n#FALSE#\r\n640\r\n2.5\r\n-1\r\n15000000\r\n"));
}

TEST(RecordFileTest, ReadsCommasLineFeedsAndBlanksAsSeparators)
{
    RecordReader in = readerOf(" \"a,b\" , 12 ,#TRUE#\n  \"c\"\r\n-3");
    QString a, c;
    qint16 twelve = 0, minusThree = 0;
    bool flag = false;
    ASSERT_TRUE(in.readString(a));
    ASSERT_TRUE(in.readInt16(twelve));
    ASSERT_TRUE(in.readBoolean(flag));
    ASSERT_TRUE(in.readString(c));
    ASSERT_TRUE(in.readInt16(minusThree));
    EXPECT_EQ(a, QStringLiteral("a,b"));
    EXPECT_EQ(twelve, 12);
    EXPECT_TRUE(flag);
    EXPECT_EQ(c, QStringLiteral("c"));
    EXPECT_EQ(minusThree, -3);
    EXPECT_TRUE(in.atEnd());
}

TEST(RecordFileTest, ReadsNumbersInTheFormsOlderWritersUsed)
{
    RecordReader in = readerOf(".5\r\n1.5E+07\r\n\"640\"\r\n639.5\r\n#TRUE#\r\n");
    float half = 0, huge = 0;
    qint16 quoted = 0, rounded = 0, truth = 0;
    ASSERT_TRUE(in.readSingle(half));
    ASSERT_TRUE(in.readSingle(huge));
    ASSERT_TRUE(in.readInt16(quoted));
    ASSERT_TRUE(in.readInt16(rounded));
    ASSERT_TRUE(in.readInt16(truth));
    EXPECT_EQ(half, 0.5f);
    EXPECT_EQ(huge, 1.5e7f);
    EXPECT_EQ(quoted, 640);
    EXPECT_EQ(rounded, 640);  // halves go to the even neighbour
    EXPECT_EQ(truth, -1);
}

TEST(RecordFileTest, MissingValuesAndWrongKindsAreErrors)
{
    qint16 number = 0;
    QString text;
    bool flag = false;

    RecordReader empty = readerOf("\r\n  \r\n");
    EXPECT_FALSE(empty.readString(text));

    RecordReader word = readerOf("abc\r\n");
    EXPECT_FALSE(word.readInt16(number));

    RecordReader overflow = readerOf("32768\r\n");
    EXPECT_FALSE(overflow.readInt16(number));

    RecordReader notBoolean = readerOf("\"maybe\"\r\n");
    EXPECT_FALSE(notBoolean.readBoolean(flag));

    for (const char* odd : {"inf", "nan", "0x10", "1e999", "--1", "12abc"}) {
        RecordReader in = readerOf(odd);
        EXPECT_FALSE(in.readInt16(number)) << odd;
    }

    RecordReader shortFile = readerOf("\"one\"\r\n");
    EXPECT_TRUE(shortFile.readString(text));
    EXPECT_FALSE(shortFile.readString(text));
}

TEST(RecordFileTest, AnUnclosedQuoteRunsToTheEndOfTheFile)
{
    RecordReader in = readerOf("\"no end\r\nstill");
    QString text;
    ASSERT_TRUE(in.readString(text));
    EXPECT_EQ(text, QStringLiteral("no end\r\nstill"));
    EXPECT_FALSE(in.readString(text));
}

TEST(RecordFileTest, ReadsWindows1252AndUtf8Files)
{
    // "Café – Ÿ" in Windows-1252: é = E9, en dash = 96, Ÿ = 9F.
    RecordReader legacy(QByteArray("\"Caf\xE9 \x96 \x9F\"\r\n"));
    QString text;
    ASSERT_TRUE(legacy.readString(text));
    EXPECT_EQ(text, QStringLiteral("Café – Ÿ"));

    RecordReader utf8(QStringLiteral("\"Café – Ÿ\"\r\n").toUtf8());
    ASSERT_TRUE(utf8.readString(text));
    EXPECT_EQ(text, QStringLiteral("Café – Ÿ"));
}

TEST(RecordFileTest, CommitReplacesTheFileWhateverItsCase)
{
    TempProject project;
    project.write(QStringLiteral("Config/GENERAL"), "old");
    RecordWriter out;
    out.writeString(QStringLiteral("new"));
    ASSERT_TRUE(out.commit(project.path() + QStringLiteral("config/General")));
    EXPECT_EQ(project.read(QStringLiteral("Config/GENERAL")), QByteArray("\"new\"\r\n"));
    EXPECT_FALSE(project.exists(QStringLiteral("Config/General")));

    RecordReader in;
    EXPECT_FALSE(in.open(project.path() + QStringLiteral("Config/Missing")));
    EXPECT_FALSE(out.commit(project.path() + QStringLiteral("no/such/folder/file")));
}

// Bytes a file already holds are not written again (no new file, no sync),
// but a file that could not be replaced still reports the failure.
TEST(RecordFileTest, SameBytesAreNotRewrittenButAReadOnlyFileStillFails)
{
    TempProject project;
    project.write(QStringLiteral("Areas/Hall/1a.dat"), "\"same\"\r\n");
    const QString path = project.path() + QStringLiteral("Areas/Hall/1a.dat");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const auto inode = [](const QString& p) { struct stat st{}; return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? st.st_ino : 0; };
    const auto first = inode(path);
    ASSERT_TRUE(AtomicFile::write(path, "\"same\"\r\n"));
    EXPECT_EQ(inode(path), first);  // a replacement would be a new file
    ASSERT_TRUE(AtomicFile::write(path, "\"new\"\r\n"));
    EXPECT_EQ(project.read(QStringLiteral("Areas/Hall/1a.dat")), QByteArray("\"new\"\r\n"));

    const QString folder = project.path() + QStringLiteral("Areas/Hall");
    QFile::setPermissions(path, QFile::ReadOwner);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(path).isWritable())
        GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_FALSE(AtomicFile::write(path, "\"new\"\r\n"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
