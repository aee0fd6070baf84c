NONE	0	No output	OUT
CLAMP	1	Work clamp	OUT
TRIM	2	Thread trimmer	OUT
WIPER	3	Thread wiper	OUT
TENSION	4	Tension release	OUT
PRESSER	5	Presser foot lift	OUT
LAMP	6	Signal lamp	OUT
BUZZER	7	ÉuÉUÅ[	OUT
AIR1	8	Air valve 1	OUT
AIR2	9	Air valve 2	OUT
VIN1	&H20	Virtual input 1	IN
VIN2	&H21	Virtual input 2	IN
VIN3	&H22	Virtual input 3	IN
VIN4	&H23	Virtual input 4	IN
SEW	48	Sew at the set speed	SUB
SLOW	49	Sew at slow speed	SUB
HOMING	50	Return both axes to home	SUB
X_PLS	51	X axis pulses (signed)	SUB
Y_PLS	52	Y axis pulses (signed)	SUB
REG01	128	Register 1	RGST
REG02	129	Register 2	RGST
REG03	130	Register 3	RGST
REG04	131	Register 4	RGST
REG05	132	Register 5	RGST
REG06	133	Register 6	RGST
REG07	134	Register 7	RGST
REG08	135	Register 8	RGST
CNT1	192	Piece counter	COUNT
CNT2	193	Bobbin counter	COUNT
CNT3	194	Cycle counter	COUNT
CNT4	195	Repeat counter	COUNT
CNT5	196	Error counter	COUNT
CNT6	197	Total counter	COUNT
SPARE_O	250	Spare output	
RET	&H7FFF	Return from a called step	RETURN
J001	-32768	Jump to step 1	JMP
J002	-32767	Jump to step 2	JMP
J003	-32766	Jump to step 3	JMP
J004	-32765	Jump to step 4	JMP
J005	-32764	Jump to step 5	JMP
J006	-32763	Jump to step 6	JMP
J007	-32762	Jump to step 7	JMP
J008	-32761	Jump to step 8	JMP
J009	-32760	Jump to step 9	JMP
J010	-32759	Jump to step 10	JMP
J011	-32758	Jump to step 11	JMP
J012	-32757	Jump to step 12	JMP
J013	-32756	Jump to step 13	JMP
J014	-32755	Jump to step 14	JMP
J015	-32754	Jump to step 15	JMP
J016	-32753	Jump to step 16	JMP
J017	-32752	Jump to step 17	JMP
J018	-32751	Jump to step 18	JMP
J019	-32750	Jump to step 19	JMP
J020	-32749	Jump to step 20	JMP
J021	-32748	Jump to step 21	JMP
J022	-32747	Jump to step 22	JMP
J023	-32746	Jump to step 23	JMP
J024	-32745	Jump to step 24	JMP
J025	-32744	Jump to step 25	JMP
J026	-32743	Jump to step 26	JMP
J027	-32742	Jump to step 27	JMP
J028	-32741	Jump to step 28	JMP
J029	-32740	Jump to step 29	JMP
J030	-32739	Jump to step 30	JMP
J031	-32738	Jump to step 31	JMP
J032	-32737	Jump to step 32	JMP
J033	-32736	Jump to step 33	JMP
J034	-32735	Jump to step 34	JMP
J035	-32734	Jump to step 35	JMP
J036	-32733	Jump to step 36	JMP
J037	-32732	Jump to step 37	JMP
J038	-32731	Jump to step 38	JMP
J039	-32730	Jump to step 39	JMP
J040	-32729	Jump to step 40	JMP
J041	-32728	Jump to step 41	JMP
J042	-32727	Jump to step 42	JMP
J043	-32726	Jump to step 43	JMP
J044	-32725	Jump to step 44	JMP
J045	-32724	Jump to step 45	JMP
J046	-32723	Jump to step 46	JMP
J047	-32722	Jump to step 47	JMP
J048	-32721	Jump to step 48	JMP
J049	-32720	Jump to step 49	JMP
J050	-32719	Jump to step 50	JMP
J051	-32718	Jump to step 51	JMP
J052	-32717	Jump to step 52	JMP
J053	-32716	Jump to step 53	JMP
J054	-32715	Jump to step 54	JMP
J055	-32714	Jump to step 55	JMP
J056	-32713	Jump to step 56	JMP
J057	-32712	Jump to step 57	JMP
J058	-32711	Jump to step 58	JMP
J059	-32710	Jump to step 59	JMP
J060	-32709	Jump to step 60	JMP
J061	-32708	Jump to step 61	JMP
J062	-32707	Jump to step 62	JMP
J063	-32706	Jump to step 63	JMP
J064	-32705	Jump to step 64	JMP
J065	-32704	Jump to step 65	JMP
J066	-32703	Jump to step 66	JMP
J067	-32702	Jump to step 67	JMP
J068	-32701	Jump to step 68	JMP
J069	-32700	Jump to step 69	JMP
J070	-32699	Jump to step 70	JMP
J071	-32698	Jump to step 71	JMP
J072	-32697	Jump to step 72	JMP
J073	-32696	Jump to step 73	JMP
J074	-32695	Jump to step 74	JMP
J075	-32694	Jump to step 75	JMP
J076	-32693	Jump to step 76	JMP
J077	-32692	Jump to step 77	JMP
J078	-32691	Jump to step 78	JMP
J079	-32690	Jump to step 79	JMP
J080	-32689	Jump to step 80	JMP
J081	-32688	Jump to step 81	JMP
J082	-32687	Jump to step 82	JMP
J083	-32686	Jump to step 83	JMP
J084	-32685	Jump to step 84	JMP
J085	-32684	Jump to step 85	JMP
J086	-32683	Jump to step 86	JMP
J087	-32682	Jump to step 87	JMP
J088	-32681	Jump to step 88	JMP
J089	-32680	Jump to step 89	JMP
J090	-32679	Jump to step 90	JMP
J091	-32678	Jump to step 91	JMP
J092	-32677	Jump to step 92	JMP
J093	-32676	Jump to step 93	JMP
J094	-32675	Jump to step 94	JMP
J095	-32674	Jump to step 95	JMP
J096	-32673	Jump to step 96	JMP
J097	-32672	Jump to step 97	JMP
J098	-32671	Jump to step 98	JMP
J099	-32670	Jump to step 99	JMP
J100	-32669	Jump to step 100	JMP
J101	-32668	Jump to step 101	JMP
J102	-32667	Jump to step 102	JMP
J103	-32666	Jump to step 103	JMP
J104	-32665	Jump to step 104	JMP
J105	-32664	Jump to step 105	JMP
J106	-32663	Jump to step 106	JMP
J107	-32662	Jump to step 107	JMP
J108	-32661	Jump to step 108	JMP
J109	-32660	Jump to step 109	JMP
J110	-32659	Jump to step 110	JMP
J111	-32658	Jump to step 111	JMP
J112	-32657	Jump to step 112	JMP
J113	-32656	Jump to step 113	JMP
J114	-32655	Jump to step 114	JMP
J115	-32654	Jump to step 115	JMP
J116	-32653	Jump to step 116	JMP
J117	-32652	Jump to step 117	JMP
J118	-32651	Jump to step 118	JMP
J119	-32650	Jump to step 119	JMP
J120	-32649	Jump to step 120	JMP
J121	-32648	Jump to step 121	JMP
J122	-32647	Jump to step 122	JMP
J123	-32646	Jump to step 123	JMP
J124	-32645	Jump to step 124	JMP
J125	-32644	Jump to step 125	JMP
J126	-32643	Jump to step 126	JMP
J127	-32642	Jump to step 127	JMP
J128	-32641	Jump to step 128	JMP
J129	-32640	Jump to step 129	JMP
J130	-32639	Jump to step 130	JMP
J131	-32638	Jump to step 131	JMP
J132	-32637	Jump to step 132	JMP
J133	-32636	Jump to step 133	JMP
J134	-32635	Jump to step 134	JMP
J135	-32634	Jump to step 135	JMP
J136	-32633	Jump to step 136	JMP
J137	-32632	Jump to step 137	JMP
J138	-32631	Jump to step 138	JMP
J139	-32630	Jump to step 139	JMP
J140	-32629	Jump to step 140	JMP
J141	-32628	Jump to step 141	JMP
J142	-32627	Jump to step 142	JMP
J143	-32626	Jump to step 143	JMP
J144	-32625	Jump to step 144	JMP
J145	-32624	Jump to step 145	JMP
J146	-32623	Jump to step 146	JMP
J147	-32622	Jump to step 147	JMP
J148	-32621	Jump to step 148	JMP
J149	-32620	Jump to step 149	JMP
J150	-32619	Jump to step 150	JMP
J151	-32618	Jump to step 151	JMP
J152	-32617	Jump to step 152	JMP
J153	-32616	Jump to step 153	JMP
J154	-32615	Jump to step 154	JMP
J155	-32614	Jump to step 155	JMP
J156	-32613	Jump to step 156	JMP
J157	-32612	Jump to step 157	JMP
J158	-32611	Jump to step 158	JMP
J159	-32610	Jump to step 159	JMP
J160	-32609	Jump to step 160	JMP
J161	-32608	Jump to step 161	JMP
J162	-32607	Jump to step 162	JMP
J163	-32606	Jump to step 163	JMP
J164	-32605	Jump to step 164	JMP
J165	-32604	Jump to step 165	JMP
J166	-32603	Jump to step 166	JMP
J167	-32602	Jump to step 167	JMP
J168	-32601	Jump to step 168	JMP
J169	-32600	Jump to step 169	JMP
J170	-32599	Jump to step 170	JMP
J171	-32598	Jump to step 171	JMP
J172	-32597	Jump to step 172	JMP
J173	-32596	Jump to step 173	JMP
J174	-32595	Jump to step 174	JMP
J175	-32594	Jump to step 175	JMP
J176	-32593	Jump to step 176	JMP
J177	-32592	Jump to step 177	JMP
J178	-32591	Jump to step 178	JMP
J179	-32590	Jump to step 179	JMP
J180	-32589	Jump to step 180	JMP
J181	-32588	Jump to step 181	JMP
J182	-32587	Jump to step 182	JMP
J183	-32586	Jump to step 183	JMP
J184	-32585	Jump to step 184	JMP
J185	-32584	Jump to step 185	JMP
J186	-32583	Jump to step 186	JMP
J187	-32582	Jump to step 187	JMP
J188	-32581	Jump to step 188	JMP
J189	-32580	Jump to step 189	JMP
J190	-32579	Jump to step 190	JMP
J191	-32578	Jump to step 191	JMP
J192	-32577	Jump to step 192	JMP
C001	-16384	Call step 1	CALL
C002	-16383	Call step 2	CALL
C003	-16382	Call step 3	CALL
C004	-16381	Call step 4	CALL
C005	-16380	Call step 5	CALL
C006	-16379	Call step 6	CALL
C007	-16378	Call step 7	CALL
C008	-16377	Call step 8	CALL
C009	-16376	Call step 9	CALL
C010	-16375	Call step 10	CALL
C011	-16374	Call step 11	CALL
C012	-16373	Call step 12	CALL
C013	-16372	Call step 13	CALL
C014	-16371	Call step 14	CALL
C015	-16370	Call step 15	CALL
C016	-16369	Call step 16	CALL
C017	-16368	Call step 17	CALL
C018	-16367	Call step 18	CALL
C019	-16366	Call step 19	CALL
C020	-16365	Call step 20	CALL
C021	-16364	Call step 21	CALL
C022	-16363	Call step 22	CALL
C023	-16362	Call step 23	CALL
C024	-16361	Call step 24	CALL
C025	-16360	Call step 25	CALL
C026	-16359	Call step 26	CALL
C027	-16358	Call step 27	CALL
C028	-16357	Call step 28	CALL
C029	-16356	Call step 29	CALL
C030	-16355	Call step 30	CALL
C031	-16354	Call step 31	CALL
C032	-16353	Call step 32	CALL
C033	-16352	Call step 33	CALL
C034	-16351	Call step 34	CALL
C035	-16350	Call step 35	CALL
C036	-16349	Call step 36	CALL
C037	-16348	Call step 37	CALL
C038	-16347	Call step 38	CALL
C039	-16346	Call step 39	CALL
C040	-16345	Call step 40	CALL
C041	-16344	Call step 41	CALL
C042	-16343	Call step 42	CALL
C043	-16342	Call step 43	CALL
C044	-16341	Call step 44	CALL
C045	-16340	Call step 45	CALL
C046	-16339	Call step 46	CALL
C047	-16338	Call step 47	CALL
C048	-16337	Call step 48	CALL
C049	-16336	Call step 49	CALL
C050	-16335	Call step 50	CALL
C051	-16334	Call step 51	CALL
C052	-16333	Call step 52	CALL
C053	-16332	Call step 53	CALL
C054	-16331	Call step 54	CALL
C055	-16330	Call step 55	CALL
C056	-16329	Call step 56	CALL
C057	-16328	Call step 57	CALL
C058	-16327	Call step 58	CALL
C059	-16326	Call step 59	CALL
C060	-16325	Call step 60	CALL
C061	-16324	Call step 61	CALL
C062	-16323	Call step 62	CALL
C063	-16322	Call step 63	CALL
C064	-16321	Call step 64	CALL
C065	-16320	Call step 65	CALL
C066	-16319	Call step 66	CALL
C067	-16318	Call step 67	CALL
C068	-16317	Call step 68	CALL
C069	-16316	Call step 69	CALL
C070	-16315	Call step 70	CALL
C071	-16314	Call step 71	CALL
C072	-16313	Call step 72	CALL
C073	-16312	Call step 73	CALL
C074	-16311	Call step 74	CALL
C075	-16310	Call step 75	CALL
C076	-16309	Call step 76	CALL
C077	-16308	Call step 77	CALL
C078	-16307	Call step 78	CALL
C079	-16306	Call step 79	CALL
C080	-16305	Call step 80	CALL
C081	-16304	Call step 81	CALL
C082	-16303	Call step 82	CALL
C083	-16302	Call step 83	CALL
C084	-16301	Call step 84	CALL
C085	-16300	Call step 85	CALL
C086	-16299	Call step 86	CALL
C087	-16298	Call step 87	CALL
C088	-16297	Call step 88	CALL
C089	-16296	Call step 89	CALL
C090	-16295	Call step 90	CALL
C091	-16294	Call step 91	CALL
C092	-16293	Call step 92	CALL
C093	-16292	Call step 93	CALL
C094	-16291	Call step 94	CALL
C095	-16290	Call step 95	CALL
C096	-16289	Call step 96	CALL
C097	-16288	Call step 97	CALL
C098	-16287	Call step 98	CALL
C099	-16286	Call step 99	CALL
C100	-16285	Call step 100	CALL
C101	-16284	Call step 101	CALL
C102	-16283	Call step 102	CALL
C103	-16282	Call step 103	CALL
C104	-16281	Call step 104	CALL
C105	-16280	Call step 105	CALL
C106	-16279	Call step 106	CALL
C107	-16278	Call step 107	CALL
C108	-16277	Call step 108	CALL
C109	-16276	Call step 109	CALL
C110	-16275	Call step 110	CALL
C111	-16274	Call step 111	CALL
C112	-16273	Call step 112	CALL
C113	-16272	Call step 113	CALL
C114	-16271	Call step 114	CALL
C115	-16270	Call step 115	CALL
C116	-16269	Call step 116	CALL
C117	-16268	Call step 117	CALL
C118	-16267	Call step 118	CALL
C119	-16266	Call step 119	CALL
C120	-16265	Call step 120	CALL
C121	-16264	Call step 121	CALL
C122	-16263	Call step 122	CALL
C123	-16262	Call step 123	CALL
C124	-16261	Call step 124	CALL
C125	-16260	Call step 125	CALL
C126	-16259	Call step 126	CALL
C127	-16258	Call step 127	CALL
C128	-16257	Call step 128	CALL
C129	-16256	Call step 129	CALL
C130	-16255	Call step 130	CALL
C131	-16254	Call step 131	CALL
C132	-16253	Call step 132	CALL
C133	-16252	Call step 133	CALL
C134	-16251	Call step 134	CALL
C135	-16250	Call step 135	CALL
C136	-16249	Call step 136	CALL
C137	-16248	Call step 137	CALL
C138	-16247	Call step 138	CALL
C139	-16246	Call step 139	CALL
C140	-16245	Call step 140	CALL
C141	-16244	Call step 141	CALL
C142	-16243	Call step 142	CALL
C143	-16242	Call step 143	CALL
C144	-16241	Call step 144	CALL
C145	-16240	Call step 145	CALL
C146	-16239	Call step 146	CALL
C147	-16238	Call step 147	CALL
C148	-16237	Call step 148	CALL
C149	-16236	Call step 149	CALL
C150	-16235	Call step 150	CALL
C151	-16234	Call step 151	CALL
C152	-16233	Call step 152	CALL
C153	-16232	Call step 153	CALL
C154	-16231	Call step 154	CALL
C155	-16230	Call step 155	CALL
C156	-16229	Call step 156	CALL
C157	-16228	Call step 157	CALL
C158	-16227	Call step 158	CALL
C159	-16226	Call step 159	CALL
C160	-16225	Call step 160	CALL
C161	-16224	Call step 161	CALL
C162	-16223	Call step 162	CALL
C163	-16222	Call step 163	CALL
C164	-16221	Call step 164	CALL
C165	-16220	Call step 165	CALL
C166	-16219	Call step 166	CALL
C167	-16218	Call step 167	CALL
C168	-16217	Call step 168	CALL
C169	-16216	Call step 169	CALL
C170	-16215	Call step 170	CALL
C171	-16214	Call step 171	CALL
C172	-16213	Call step 172	CALL
C173	-16212	Call step 173	CALL
C174	-16211	Call step 174	CALL
C175	-16210	Call step 175	CALL
C176	-16209	Call step 176	CALL
C177	-16208	Call step 177	CALL
C178	-16207	Call step 178	CALL
C179	-16206	Call step 179	CALL
C180	-16205	Call step 180	CALL
C181	-16204	Call step 181	CALL
C182	-16203	Call step 182	CALL
C183	-16202	Call step 183	CALL
C184	-16201	Call step 184	CALL
C185	-16200	Call step 185	CALL
C186	-16199	Call step 186	CALL
C187	-16198	Call step 187	CALL
C188	-16197	Call step 188	CALL
C189	-16196	Call step 189	CALL
C190	-16195	Call step 190	CALL
C191	-16194	Call step 191	CALL
C192	-16193	Call step 192	CALL
