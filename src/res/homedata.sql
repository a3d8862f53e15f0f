-- HOMEDATA.DAT as delivered with Hearthstead: the seven tables, their indexes and the starting rows.
-- The declared types name each column's kind: LONG 32-bit integer, SHORT 16-bit integer, DOUBLE
-- double, DATETIME a date (days from 30 December 1899), TEXT and MEMO text.

BEGIN;

CREATE TABLE Homes (
    HomeId       LONG PRIMARY KEY,
    Description  TEXT COLLATE NOCASE,
    Address      MEMO,
    CurrentValue DOUBLE,
    Picture2     TEXT,
    Notes        MEMO
);

CREATE TABLE Areas (
    AreaId      LONG PRIMARY KEY,
    HomeId      LONG,
    Description TEXT COLLATE NOCASE,
    Length      LONG,
    Width       LONG,
    Height      LONG,
    Color1      LONG,
    Color2      LONG,
    Color3      LONG,
    Label1      TEXT,
    Label2      TEXT,
    Label3      TEXT,
    Notes       MEMO
);

CREATE TABLE Assets (
    AssetId            LONG PRIMARY KEY,
    HomeId             LONG,
    AreaId             LONG,
    CategoryId         LONG,
    Description        TEXT COLLATE NOCASE,
    PurchasePrice      DOUBLE,
    PurchaseDate       DATETIME,
    CurrentValue       DOUBLE,
    ReplacementValue   DOUBLE,
    Vendor             TEXT,
    Phone1             TEXT,
    Phone2             TEXT,
    MakeModel          TEXT,
    SerialNumber       TEXT,
    WarrantyExpiration DATETIME,
    Picture2           TEXT,
    Notes              MEMO
);

CREATE TABLE Categories (
    CategoryId   LONG PRIMARY KEY,
    Description  TEXT COLLATE NOCASE,
    CategoryType SHORT
);

CREATE TABLE Loans (
    LoanId       LONG PRIMARY KEY,
    AssetId      LONG,
    AssetType    SHORT,
    Description  TEXT COLLATE NOCASE,
    Principal    DOUBLE,
    InterestRate DOUBLE,
    TermInMonths SHORT,
    StartDate    DATETIME,
    LenderName   TEXT,
    LenderAcctNo TEXT,
    LenderPhone  TEXT,
    Notes        MEMO
);

CREATE TABLE Tasks (
    TaskId      LONG PRIMARY KEY,
    TaskType    SHORT,
    Status      SHORT,
    Description TEXT COLLATE NOCASE,
    Cost        DOUBLE,
    Vendor      TEXT,
    Custom1     DOUBLE,
    Custom2     SHORT,
    Custom3     TEXT,
    Notes       MEMO
);

CREATE TABLE TableIds (
    TableName TEXT COLLATE NOCASE PRIMARY KEY,
    NextId    LONG
);

-- The columns the views select by.
CREATE INDEX AssetsHomeId ON Assets (HomeId);
CREATE INDEX AssetsCategoryId ON Assets (CategoryId);
CREATE INDEX AreasHomeId ON Areas (HomeId);
CREATE INDEX LoansAssetId ON Loans (AssetId);
CREATE INDEX TasksStatus ON Tasks (Status);

-- Asset categories (type 1). Category 19 is the video library: videos, DVDs and CDs.
INSERT INTO Categories (CategoryId, Description, CategoryType) VALUES
    (1, 'Appliances', 1),
    (2, 'Art', 1),
    (3, 'Books', 1),
    (4, 'Cameras', 1),
    (5, 'Clothing', 1),
    (6, 'Collectibles', 1),
    (7, 'Computers', 1),
    (8, 'Electronics', 1),
    (9, 'Furniture', 1),
    (10, 'Jewelry', 1),
    (11, 'Kitchenware', 1),
    (12, 'Lawn & Garden', 1),
    (13, 'Linens', 1),
    (14, 'Musical Instruments', 1),
    (15, 'Office Equipment', 1),
    (16, 'Sports Equipment', 1),
    (17, 'Tools', 1),
    (18, 'Toys & Games', 1),
    (19, 'Video Library', 1),
    (20, 'Vehicles', 1);

-- Task categories (type 2).
INSERT INTO Categories (CategoryId, Description, CategoryType) VALUES
    (21, 'Cleaning', 2),
    (22, 'Home Improvement', 2),
    (23, 'Maintenance', 2),
    (24, 'Repairs', 2),
    (25, 'Yard Work', 2);

-- Stores of the shopping list (type 3).
INSERT INTO Categories (CategoryId, Description, CategoryType) VALUES
    (26, 'Grocery Store', 3),
    (27, 'Hardware Store', 3),
    (28, 'Pharmacy', 3),
    (29, 'Warehouse Club', 3);

-- The next free id of each table that takes new rows.
INSERT INTO TableIds (TableName, NextId) VALUES
    ('Areas', 1),
    ('Assets', 1),
    ('Categories', 30),
    ('Homes', 1),
    ('Loans', 1),
    ('Tasks', 1);

COMMIT;
